#pragma once
// The hub of the game: makes sure a player exists (asking for a name on the very first run),
// greets the current player over a turning ring, and leads to play, options, instructions, high
// scores, the maker's web page, another player and the program's end.

#include <functional>
#include <memory>
#include <string>

#include "host/TScreen.h"

class JsonObject;
class TDialogTextInput;
class TDialogYesNo;
class TLabel;
class TPlayer;
class TResources;

class TTitleScreen : public TScreen {
public:
    // Degrees; RotDirect 1 turns the ring the other way.
    float GBRingRot = 0;
    // Where the ring was last drawn: it is drawn anew in steps, not every frame.
    float ShownRot = 0;
    media::Image GBRing;
    // The pieces that ride the ring, the board's own pictures.
    media::Image RingPieces;
    int RotDirect = 0;
    // The first-run name prompt, made by Load and shown by Start.
    std::unique_ptr<TDialogTextInput> EnterName;
    std::shared_ptr<TLabel> Welcome;

    // Set at start-up. The play screen's player record, whose save data every profile carries.
    TPlayer* Player = nullptr;
    // Where the buttons lead; a button whose screen is not set is not shown.
    TScreen* LevelSelectScreen = nullptr;
    TScreen* OptionsScreen = nullptr;
    TScreen* InstructionsScreen = nullptr;
    TScreen* HighScoresScreen = nullptr;
    // The play screen's game start, run as "playgame" leaves for the level select.
    std::function<void()> GameStart = [] {};

    // Draws with the fonts of `resources`, which must outlive the screen.
    TTitleScreen(const THost& host, const TResources& resources);
    ~TTitleScreen() override;

    // The first load, behind the loading screen: the title's tune, and the remembered player
    // made current (or the name prompt made ready). The next Load is then skipped.
    void Preload();
    void Load() override;
    void Start() override;
    // Under a dialog the ring stands still: the player looks at the dialog, and a picture that
    // does not change lets the main loop wait for input.
    void Logic() override;
    // The ring's next redraw, while its buttons are settled.
    [[nodiscard]] int StepsUntilChange() const override;
    void Draw() override;
    void Kill() override;
    void AddState(JsonObject& state) const override;

    // A profile for the remembered player when the profile folder holds any, else the prompt.
    void PromptForName();
    void SetupPrompt();
    void SetupWelcome();
    [[nodiscard]] std::unique_ptr<TDialogYesNo> CreateDialogLaunchWeb(const std::string& text);
    void ShowPlayerManager();
    void DrawWelcome() const;
    void DrawRing() const;

private:
    const TResources& Resources;
    bool Preloaded = false;

    void LoadPictures();
    void TurnRing();
    void LaunchWeb();
};
