#pragma once
// The sounds and pictures the game loads once at start-up into the sound and image banks. The
// banks' paths must be set first (SoundBank.SetPath, ImageBank.SetPath); a missing file is a
// fatal error naming it.

#include <string>

void LoadGameSounds();
// Also makes the host's "paused" sign. The mouse pointer is the host's own to load.
void LoadGameImages();

// A name followed by a number: "score5", "bparticles0".
std::string NumberedName(const std::string& stem, int number);
