#pragma once
// Input tests that work the same whether the host's event pump or the media layer's own
// polling owns the input (see HostInput).

bool KeyHitChecked(int code);
bool KeyDownChecked(int code);
void FlushKeyState();
void FlushMouseState();
void FlushInput();
bool AnyKeyHit();
bool AnyMouseHit();
int MouseHitTotal();
// Lowest key code with a pending hit, -1 when none.
int FirstKeyHit();
int HostGetChar();
void UsePolledInput();
// Also discards the events queued meanwhile, so nothing pressed during a modal box leaks out.
void UseHostInput();
