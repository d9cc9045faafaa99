#pragma once
// Plays an interface sound (a click, a hover) through the host's channels and switches.

class TGameSound;

void PlayUiSound(const TGameSound& sound);
