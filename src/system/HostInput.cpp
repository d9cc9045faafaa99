#include "system/HostInput.h"

namespace {

bool ValidKey(int code) {
    return code >= 0 && code < HostInput::KeyCount;
}
bool ValidButton(int button) {
    return button >= 1 && button <= 3;
}

}  // namespace

HostInput& Input() {
    static HostInput state;
    return state;
}

void HostInput::RecordKeyDown(int code) {
    if (!ValidKey(code)) return;
    KeyDowns[code] = 1;
    ++KeyHits[code];
}

void HostInput::RecordKeyUp(int code) {
    if (ValidKey(code)) KeyDowns[code] = 0;
}

void HostInput::RecordChar(int character) {
    if (CharCount >= RingSize) return;
    CharRing[(CharStart + CharCount) % RingSize] = character;
    ++CharCount;
}

void HostInput::RecordMouseDown(int button) {
    if (!ValidButton(button)) return;
    MouseDowns[button] = 1;
    ++MouseHits[button];
}

void HostInput::RecordMouseUp(int button) {
    if (ValidButton(button)) MouseDowns[button] = 0;
}

int HostInput::TakeChar() {
    if (CharCount == 0) return 0;
    const int character = CharRing[CharStart];
    CharStart = (CharStart + 1) % RingSize;
    --CharCount;
    return character;
}

void HostInput::ClearKeys() {
    KeyHits.fill(0);
    KeyDowns.fill(0);
    CharStart = 0;
    CharCount = 0;
}

void HostInput::ClearMouseButtons() {
    MouseDowns.fill(0);
    MouseHits.fill(0);
}
