#pragma once
// Milliseconds to logic steps at the speed the presentation context gives (the normal 5 ms
// per step when no host runs).

float StepsFromMs(float ms);
