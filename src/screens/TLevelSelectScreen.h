#pragma once
// The level select: the 15 levels as dots on a spiral, padlocks on the levels not reached yet,
// a turning marker on the current level, a glow and a caption under the pointer, and a small
// machine filled as far as the player has come. A click on an open dot starts play, as do Space
// and Enter for the open level the arrow keys highlighted (the highest open one when they
// highlighted none); Tab walks the buttons. A player who has started a level before may switch
// the level-one tutorial here, or leave for the Classic game.

#include <array>
#include <memory>

#include "host/TScreen.h"
#include "presentation/TGameImage.h"
#include "presentation/TGameSound.h"
#include "presentation/TSineCounter.h"
#include "screens/TAccuratePoint.h"
#include "store/LevelCount.h"

class TButton;
class TPlayer;
class TResources;

class TLevelSelectScreen : public TScreen {
public:
    // Draws and plays with the shared resources, which must outlive the screen; the small
    // machine's bubbles go into their surface particle list.
    explicit TLevelSelectScreen(const THost& host, TResources& resources)
        : TScreen(host), Resources(resources) {
        name = "levelselect";
    }

    // Set at start-up: the play screen's player record, the play screen and the title screen,
    // and the Classic game (its button shows once it is set).
    TPlayer* Player = nullptr;
    TScreen* PlayScreen = nullptr;
    TScreen* TitleScreen = nullptr;
    TScreen* ClassicScreen = nullptr;

    std::array<TAccuratePoint, LevelCount> Coords{};
    std::shared_ptr<TGameSound> Error;
    // The dot under the pointer, -1 for none.
    int MOIndex = -1;
    // The level last chosen, less one; -1 before any.
    int ClickedIndex = -1;
    // The open level the arrow keys highlighted; 0 for none.
    int KeyLevel = 0;
    // The current-level marker's turn, degrees, and the turn and glow last shown: the screen's
    // picture moves on every PictureSteps steps (the main loop sleeps between), its machine's
    // bubbles every third picture.
    float Angle = 0;
    float ShownAngle = 0;
    float ShownGlow = 0;
    static constexpr float PictureSteps = 6;
    // Half the side of a dot's square hit area.
    int HalfDot = 24;
    std::shared_ptr<TGameImage> MOIndicator;
    std::shared_ptr<TGameImage> CurrentLevel;
    std::shared_ptr<TGameImage> PadLock;
    std::shared_ptr<TGameImage> LSEmpty;
    TSineCounter Glow;

    void Load() override;
    void Start() override;
    void Kill() override;
    void Logic() override;
    // The next picture, while the buttons are settled.
    [[nodiscard]] int StepsUntilChange() const override;
    void Draw() override;
    int SetEscDestination(TScreen*& destination) override;
    void AddState(JsonObject& state) const override;

    void FillCoords();
    // The dot under (x, y), -1 for none: the first dot in level order whose square holds the
    // point, its left and top edges in, its right and bottom edges out.
    [[nodiscard]] int DotAt(float x, float y) const;
    void LoadToggle(int value, const std::string& buttonName);
    void ReloadToggleButton(TButton& button, int value, const std::string& buttonName) const;
    void LevelSelected(int level);

private:
    // Left and Down highlight the open level before, Right and Up the one after; the first
    // press starts from the highest open level.
    void MoveKeyLevel(int unlocked);
    // Moves the picture on when its steps are up.
    void ShowPicture(float delta);
    static constexpr int SurfacePictures = 3;
    void DrawSmallMachine() const;
    void DrawDot(int index) const;
    // The machine's fill in pixels for the player's current level.
    [[nodiscard]] float ProgressFill() const;
    [[nodiscard]] bool ColourBlind() const;

    TResources& Resources;
    std::shared_ptr<TGameImage> Dots;
    std::shared_ptr<TGameImage> NextPieces;
    std::shared_ptr<TGameImage> Bubble;
    float SurfaceCounter = 0;
    // Steps since the last picture, and pictures since the bubbles last moved.
    float Unshown = 0;
    int PicturesUnmoved = 0;
    float SurfaceUnmoved = 0;
};
