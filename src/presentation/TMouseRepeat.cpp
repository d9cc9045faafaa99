#include "presentation/TMouseRepeat.h"

#include "presentation/HeldRepeat.h"
#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"

TMouseRepeat TMouseRepeat::Create(int initialDelayMs, int repeatDelayMs) {
    TMouseRepeat made;
    made.InitialDelayLength = initialDelayMs;
    made.DelayLength = repeatDelayMs;
    return made;
}

int TMouseRepeat::GetButton() {
    const TMousePointer* mouse = PresentationContext().Mouse;
    const bool held = mouse && mouse->GetMb() > 0;
    switch (HeldRepeat::Step(held, InitialDelayLength, InitialDelayCounter, DelayLength,
                             DelayCounter, LastState)) {
        case HeldRepeat::Result::First:
            return 1;
        case HeldRepeat::Result::Repeat:
            return 2;
        case HeldRepeat::Result::None:
            break;
    }
    return 0;
}
