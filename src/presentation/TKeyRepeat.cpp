#include "presentation/TKeyRepeat.h"

#include "presentation/HeldRepeat.h"
#include "system/InputHelpers.h"

TKeyRepeat TKeyRepeat::Create(int initialDelayMs, int repeatDelayMs) {
    TKeyRepeat made;
    made.InitialDelayLength = initialDelayMs;
    made.DelayLength = repeatDelayMs;
    return made;
}

int TKeyRepeat::GetKey(int keyCode) {
    const HeldRepeat::Result result =
        HeldRepeat::Step(KeyDownChecked(keyCode), InitialDelayLength, InitialDelayCounter,
                         DelayLength, DelayCounter, LastState);
    return result == HeldRepeat::Result::None ? 0 : 1;
}
