#pragma once
// The screen on which a level is played. It drives the rules of the level pass by pass, turns
// their events into sounds and particles, draws the board, the machine, the tokens and the head-up
// display, and books the level's result in the player's record and the best results.

#include <functional>
#include <memory>
#include <optional>

#include "game/TBoardDrawing.h"
#include "game/TFull.h"
#include "game/TKeyCursor.h"
#include "game/TLevel.h"
#include "game/TMediaRandom.h"
#include "game/TPathGlow.h"
#include "game/TPlayEffects.h"
#include "game/TPowerEffects.h"
#include "game/TPowerTokens.h"
#include "game/TTutorialPanel.h"
#include "host/TScreen.h"
#include "presentation/TGameSound.h"
#include "store/TPlayer.h"

class TResources;

class TGameScreen : public TScreen {
public:
    // Draws with the shared images, sounds, fonts and particle lists of `resources`, which must
    // outlive the screen.
    TGameScreen(const THost& host, TResources& resources);

    // The current player's progress; every other screen reads the level, score and times here.
    TPlayer Player;
    // Seeds every level with this number instead of the clock (repeatable runs).
    std::optional<long long> Seed;
    // The level being played; made afresh by every level start.
    std::unique_ptr<TLevel> Level;

    TBoardDrawing BoardDrawing;
    TPathGlow PathGlow;
    TPowerTokens Tokens;
    TPowerEffects PowerEffects;
    TPlayEffects Effects;
    TFull Full;
    TTutorialPanel TutorialPanel;
    TKeyCursor KeyCursor;

    std::shared_ptr<TGameSound> Click;
    std::shared_ptr<TGameSound> Boom;
    std::shared_ptr<TGameSound> Paint;
    std::shared_ptr<TGameSound> Error;
    std::shared_ptr<TGameSound> DealSnd;
    std::shared_ptr<TGameSound> Score;
    std::shared_ptr<TGameSound> Fail;

    // Where the level hands over; start-up sets them. A hand-over without one does nothing.
    TScreen* LevelCompleteScreen = nullptr;
    TScreen* GameOverScreen = nullptr;
    TScreen* TitleScreen = nullptr;

    // The in-game menu drawn over the frozen board: its logic runs before the screen's own every
    // pass, and while it is open only the deal animation and the particles go on.
    TScreen* GameMenu = nullptr;
    std::function<bool()> GameMenuOpen = [] { return false; };
    std::function<void(int playSound)> ShowGameMenu = [](int) {};

    // Runs when a level has been made, before its first pass; tests and tools set it.
    std::function<void(TLevel&)> LevelStarted = [](TLevel&) {};

    // The millisecond clock of the few waits measured in real time; tests replace it.
    std::function<double()> Clock;

    void Load() override;
    void Start() override;
    void CoreStart() override;
    void Kill() override;
    void Logic() override;
    void Draw() override;
    // Behind the in-game menu the board stands still (what is left of its effects plays out
    // and shows as movement).
    [[nodiscard]] bool StillUntilInput(bool underDialog) const override {
        return underDialog || GameMenuOpen();
    }
    // At rest, the fizz's next move or the clock's next point.
    [[nodiscard]] int StepsUntilCalmChange() const override;
    int SetEscDestination(TScreen*& destination) override;
    void AddState(JsonObject& state) const override;

    // "Play" on the title screen: a fresh record resuming where the current profile left off.
    void GameStart();
    void HudDraw() const;
    // The tutorial's speech box; nothing outside the tutorial game.
    void TutorialDraw();
    bool ColourBlind() const { return Player.SaveData.colorblind != 0; }
    // The board as state dumps give it: nine columns of nine cells, Board[x][y].
    [[nodiscard]] static std::string BoardJson(const TCells& board);

private:
    void WireHooks();
    void PlaySound(const std::shared_ptr<TGameSound>& sound) const;
    void LevelWon();
    void LevelLost();

    TMediaRandom Random;
    TResources& Resources;
    // Where the rules last saw the pointer: the mouse, or the highlighted cell while the keys
    // steer. The armed power's sparkle follows it.
    int PointerX = 0, PointerY = 0;
};
