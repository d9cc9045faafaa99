#pragma once
// The Classic game's screen: the endless board drawn with the play screen's pictures, pieces
// carried by its mover and dealt with its deal animation, with undo, hint and daily-board
// buttons, the keys of the level board plus U (undo) and H (hint), the in-game menu, and the
// name entry of the Classic high-score table when the board is full. The player's game is
// saved after every move, so it waits for them however they leave.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "game/TBoardDrawing.h"
#include "game/TClassicHint.h"
#include "game/TClassicRecord.h"
#include "game/TClassicSaveFile.h"
#include "game/TClassicTurn.h"
#include "game/TKeyCursor.h"
#include "game/TMover.h"
#include "game/TPathGlow.h"
#include "game/TPlayEffects.h"
#include "game/TPreview.h"
#include "host/TScreen.h"
#include "presentation/TGameSound.h"

class TPlayer;
class TResources;
class THighScoreEntry;
class THighScoresScreen;

class TClassicScreen : public TScreen {
public:
    TClassicScreen(const THost& host, TResources& resources);
    ~TClassicScreen() override;

    // Set at start-up: the player's record (for colour-blind pieces), the in-game menu as the
    // play screen has it, and the table shown once a game is over.
    const TPlayer* Player = nullptr;
    TScreen* GameMenu = nullptr;
    std::function<bool()> GameMenuOpen = [] { return false; };
    std::function<void(int playSound)> ShowGameMenu = [](int) {};
    THighScoresScreen* HighScoresScreen = nullptr;

    // Where a new game's seed and the local date come from; tests and the command line set them.
    std::function<std::uint64_t()> NewSeed;
    std::function<std::string()> Today;
    // The next start begins the day's board instead of continuing the saved game.
    bool StartDaily = false;

    TClassicRecord Record;

    void Load() override;
    void Start() override;
    void CoreStart() override;
    void Kill() override;
    void Logic() override;
    void Draw() override;
    void AddState(JsonObject& state) const override;
    // The face buttons and shoulders that arm power tokens on the level board undo and hint
    // here, and Start opens the in-game menu as on the level board.
    [[nodiscard]] int PadKey(media::PadButton button) const override;

private:
    enum class TPhase { Idle, Moving, Dealing };

    void LoadRecord();
    void Save();
    void NewGame(bool daily);
    void AskDaily();
    void SyncView();
    void BoardInput(const TPassInput& input);
    void Select(int x, int y);
    void StartMove(int x, int y);
    void MoveLanded();
    void DealLanded();
    void Undo();
    void ShowHint();
    void GameOver();
    void EndLogic();
    void PlaySound(const std::shared_ptr<TGameSound>& sound) const;
    [[nodiscard]] bool ColourBlind() const;

    TResources& Resources;
    std::optional<TClassicSaveFile> SaveFile;
    // A saved game that could not be read is never overwritten.
    bool Writable = true;

    // The board as drawn: the rules' board, or the moment of a move or deal being shown.
    TClassicRandom ViewRandom;
    TPlayState View;
    TPathfinder ViewPaths;
    TMover Mover;
    TPreview Preview;
    TPhase Phase = TPhase::Idle;
    TClassicTurn Turn;
    int FromX = -1, FromY = -1;
    std::optional<TClassicHint> Hint;

    TBoardDrawing BoardDrawing;
    TPathGlow PathGlow;
    TPlayEffects Effects;
    TKeyCursor KeyCursor;
    std::unique_ptr<THighScoreEntry> Entry;
    std::shared_ptr<TGameSound> DealSnd;
    std::shared_ptr<TGameSound> ScoreSnd;
    std::shared_ptr<TGameSound> ErrorSnd;
    std::shared_ptr<TGameSound> FailSnd;
};
