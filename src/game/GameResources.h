#pragma once
// The sounds and pictures the game loads once at start-up into the shared resources' banks. The
// banks' paths must be set first (TResources::SetPaths); a missing file is a fatal error naming
// it.

#include <string>

class TResources;

void LoadGameSounds(TResources& resources);
// Also loads the host's "paused" sign. The mouse pointer is the host's own to load.
void LoadGameImages(TResources& resources);

// A name followed by a number: "score5", "bparticles0".
std::string NumberedName(const std::string& stem, int number);
