#pragma once
// Leaving a screen for another, and getting a game ready to play, as the screens around the
// play screen do.

class TPlayer;
class TScreen;

// Sets the host's next screen and starts the fade-out that leads there. Nothing happens
// without a destination.
void FadeOutTo(TScreen* destination);

// A fresh game record resuming where the current profile left off, with its level stored in
// the profile as the one chosen (as the level select would), ready for the play screen.
void NewGameFromProfile(TPlayer& player);
