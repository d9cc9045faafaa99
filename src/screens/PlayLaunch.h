#pragma once
// Getting a game ready to play, as the screens around the play screen do.

class TPlayer;

// A fresh game record resuming where the current profile left off, with its level stored in
// the profile as the one chosen (as the level select would), ready for the play screen.
void NewGameFromProfile(TPlayer& player);
