#pragma once
// Translation from physical keys (USB HID usage numbers, which SDL uses as its scancodes) to
// the Windows virtual-key codes the game's key tables are indexed by.

namespace media {

// 0 when the key has no virtual-key code the game can use.
int VirtualKeyFromScancode(int scancode);

}  // namespace media
