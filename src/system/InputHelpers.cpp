#include "system/InputHelpers.h"

#include "media/Media.h"
#include "system/HostInput.h"

bool KeyHitChecked(int code) {
    HostInput& input = Input();
    if (input.Polled) return media::KeyHit(code) > 0;
    if (code < 0 || code >= HostInput::KeyCount) return false;
    const bool hit = input.KeyHits[code] > 0;
    input.KeyHits[code] = 0;
    return hit;
}

bool KeyDownChecked(int code) {
    HostInput& input = Input();
    if (input.Polled) return media::KeyDown(code);
    if (code < 0 || code >= HostInput::KeyCount) return false;
    return input.KeyDowns[code] != 0;
}

void FlushKeyState() {
    HostInput& input = Input();
    if (input.Polled) {
        media::FlushKeys();
    } else {
        input.ClearKeys();
    }
}

void FlushMouseState() {
    HostInput& input = Input();
    if (input.Polled) {
        media::FlushMouse();
    } else {
        input.ClearMouseButtons();
    }
}

void FlushInput() {
    FlushKeyState();
    FlushMouseState();
}

bool AnyKeyHit() {
    return FirstKeyHit() >= 0;
}

bool AnyMouseHit() {
    return MouseHitTotal() > 0;
}

int MouseHitTotal() {
    HostInput& input = Input();
    int total = 0;
    for (int button = 1; button <= 3; ++button) {
        total += input.Polled ? media::MouseHit(button) : input.MouseHits[button];
    }
    return total;
}

int FirstKeyHit() {
    HostInput& input = Input();
    for (int code = 0; code < HostInput::KeyCount; ++code) {
        const bool hit = input.Polled ? media::KeyHit(code) > 0 : input.KeyHits[code] > 0;
        if (hit) return code;
    }
    return -1;
}

int HostGetChar() {
    HostInput& input = Input();
    return input.Polled ? media::GetChar() : input.TakeChar();
}

void UsePolledInput() {
    Input().Polled = true;
    media::SetPolledInput(true);
}

void UseHostInput() {
    media::SetPolledInput(false);
    media::DrainInputEvents();
    Input().Polled = false;
}
