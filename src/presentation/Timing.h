#pragma once
// Milliseconds to logic steps through the host's speed, or at the normal 5 ms per step when no
// host exists (tools and tests).

float StepsFromMs(float ms);
float StepsFromMsFloat(float ms);
