#pragma once
// The in-game menu: an overlay over the frozen play screen with resume, options, instructions
// and save-and-exit. It is never the host's current screen; the play screen loads and kills it
// with itself, runs its Logic before its own every step (and skips its own while the menu is
// open), draws it last and shows it when its "menu" button is clicked. Escape opens and
// closes it, so the play screen has the host leave Escape to the screen.

#include <memory>

#include "host/TScreen.h"
#include "presentation/TAnimation.h"
#include "presentation/TGameSound.h"

class TGameMenu : public TScreen {
public:
    explicit TGameMenu(const THost& host) : TScreen(host) {}

    // The menu is shown (also while it fades out).
    int Active = 0;
    // Whether the mouse pointer was on when the menu opened.
    int MouseState = 0;
    std::shared_ptr<TGameSound> ActivateSound;
    std::shared_ptr<TGameSound> DeactivateSound;
    TAnimation FadeIn;
    TAnimation FadeOut;

    // Set at start-up. The options and instructions buttons appear only once their screens
    // exist; save-and-exit leaves for the title screen (the program's end without one).
    TScreen* PlayScreen = nullptr;
    TScreen* TitleScreen = nullptr;
    TScreen* OptionsScreen = nullptr;
    TScreen* InstructionsScreen = nullptr;

    void Load() override;
    void Kill() override;
    void Logic() override;
    void Draw() override;

    void Show(int playSound);
    void Hide();

private:
    // Options and instructions: the play screen is kept as it stands and is where they return.
    void Visit(TScreen* screen);
    void SaveAndExit();
};
