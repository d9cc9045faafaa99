#pragma once
// The hold-to-repeat timing shared by keys and mouse buttons: a press at once, a repeat when
// the initial delay has run out, then a repeat every repeat delay while the input stays held.

namespace HeldRepeat {

enum class Result { None, First, Repeat };

// One logic step. The counters count logic steps; the lengths are milliseconds.
Result Step(bool held, int initialDelayMs, float& initialCounter, int repeatDelayMs,
            int& repeatCounter, int& lastState);

}  // namespace HeldRepeat
