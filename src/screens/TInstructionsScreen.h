#pragma once
// How to play, in 30 pages over a picture of the board: a text box per page, an arrow that
// blinks at what the page speaks of, glowing cells on the pages about moving a piece and the
// tokens on the pages about them. A left click (or Right or Down) turns to the next page, a
// right click (or Left or Up) back; the "back" button returns to the screen that opened the
// instructions (the title, or the play screen as it was left). Every visit starts at page 1.

#include <array>
#include <memory>

#include "host/TScreen.h"
#include "presentation/TGameImage.h"
#include "presentation/TSineCounter.h"
#include "screens/InstructionPages.h"

class TResources;

class TInstructionsScreen : public TScreen {
public:
    // Draws with the shared images and fonts of `resources`, which must outlive the screen.
    explicit TInstructionsScreen(const THost& host, const TResources& resources)
        : TScreen(host), Resources(resources) {
        name = "instructions";
    }

    // Set at start-up: where "back" returns when whoever opened the instructions named no
    // Destination.
    TScreen* TitleScreen = nullptr;

    std::shared_ptr<TGameImage> imgTokenVortex, imgTokenPalette, imgTokenBomb;
    std::shared_ptr<TGameImage> imgZindles, imgSelect, imgDot;
    float SelectRot = 0;
    // The arrow is shown; it blinks every BlinkMs.
    int Blink = 1;
    float BlinkCounter = 0;
    std::shared_ptr<TGameImage> Hdialog;
    std::shared_ptr<TGameImage> HArrow;
    // The first text line of the page shown: 0, 4, 8 ... LastHoff.
    int Hoff = 0;
    TSineCounter Glow;
    // The cells that glow in the board picture, by column and row.
    std::array<std::array<int, 9>, 9> Dots{};

    static constexpr float BlinkMs = 500;
    // The text's size, and its margin from the box's left edge (the right one, too, is no less).
    static constexpr float TextScale = 0.8f;
    static constexpr float TextLeft = 34;
    static constexpr int LastHoff = (InstructionPageCount - 1) * 4;

    void Load() override;
    void Start() override;
    void Kill() override;
    void Logic() override;
    void Draw() override;
    int SetEscDestination(TScreen*& destination) override;
    void AddState(JsonObject& state) const override;

    // 1 to InstructionPageCount.
    [[nodiscard]] int Page() const { return Hoff / 4 + 1; }

private:
    const TResources& Resources;

    void SetUpArrays();
    void TurnPage(int lines);
    void DrawDots() const;
    // The sample board's score and level, where the play screen shows its own.
    void DrawSampleHud() const;
    void DrawTokens(int page) const;
    void DrawTextBox(int page) const;
    TScreen* TakeDestination();
};
