#include "host/TPadKeys.h"

#include "presentation/HeldRepeat.h"
#include "system/HostInput.h"

namespace {

constexpr int KeyTab = 9, KeyEnter = 13, KeyEscape = 27;
constexpr int KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40;

bool Direction(media::PadButton button) {
    return button == media::PadButton::Up || button == media::PadButton::Down ||
           button == media::PadButton::Left || button == media::PadButton::Right;
}

}  // namespace

int TPadKeys::KeyFor(media::PadButton button, bool onBoard) {
    using media::PadButton;
    switch (button) {
        case PadButton::A:
            return KeyEnter;
        case PadButton::B:
            return KeyEscape;
        case PadButton::X:
            return '1';
        case PadButton::Y:
            return '2';
        case PadButton::LeftShoulder:
        case PadButton::RightShoulder:
            return '3';
        case PadButton::Back:
            return KeyTab;
        case PadButton::Start:
            return onBoard ? KeyEscape : 'P';
        case PadButton::Up:
            return KeyUp;
        case PadButton::Down:
            return KeyDown;
        case PadButton::Left:
            return KeyLeft;
        case PadButton::Right:
            return KeyRight;
    }
    return 0;
}

void TPadKeys::Press(media::PadButton button, int key, HostInput& input) {
    const auto index = static_cast<size_t>(button);
    if (index >= HeldKeys.size() || key == 0) return;
    HeldKeys[index] = key;
    input.RecordKeyDown(key);
    input.LastSource = HostInput::Source::Pad;
    if (Direction(button)) {
        RepeatButton = static_cast<int>(index);
        LastState = 0;
        // The press itself is the first; the counters start from here.
        HeldRepeat::Step(true, FirstRepeatMs, InitialCounter, NextRepeatMs, RepeatCounter,
                         LastState);
    }
}

void TPadKeys::Release(media::PadButton button, HostInput& input) {
    const auto index = static_cast<size_t>(button);
    if (index >= HeldKeys.size() || HeldKeys[index] == 0) return;
    input.RecordKeyUp(HeldKeys[index]);
    HeldKeys[index] = 0;
    if (RepeatButton == static_cast<int>(index)) RepeatButton = -1;
}

void TPadKeys::ReleaseAll(HostInput& input) {
    for (size_t i = 0; i < HeldKeys.size(); ++i) Release(static_cast<media::PadButton>(i), input);
}

void TPadKeys::Step(HostInput& input) {
    if (RepeatButton < 0) return;
    const int key = HeldKeys[static_cast<size_t>(RepeatButton)];
    if (HeldRepeat::Step(true, FirstRepeatMs, InitialCounter, NextRepeatMs, RepeatCounter,
                         LastState) == HeldRepeat::Result::Repeat)
        input.RecordKeyDown(key);
}
