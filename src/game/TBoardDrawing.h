#pragma once
// The pieces on the board, the preview with the deal in flight, the carried piece and the cover
// that hides the unfilled part of the machine.

#include <memory>

#include "game/TBoardState.h"
#include "game/TMover.h"
#include "game/TPreview.h"
#include "presentation/TGameImage.h"

class TImageBank;

class TBoardDrawing {
public:
    // Drop shadow of every piece.
    static constexpr float ShadowX = 4;
    static constexpr float ShadowY = 4;
    static constexpr float ShadowAlpha = 0.5f;

    std::shared_ptr<TGameImage> imgEmpty;
    std::shared_ptr<TGameImage> imgZindles;
    std::shared_ptr<TGameImage> imgZindlesCB;
    std::shared_ptr<TGameImage> imgNext;
    std::shared_ptr<TGameImage> imgNextCB;

    void Load(const TImageBank& images);
    void Kill();

    // The cover over the machine and every cell of the board, empty and reserved ones too.
    void DrawBoard(const TBoardState& board, float machineFill, bool colourBlind) const;
    // The next three pieces, and the pieces of a deal growing towards their cells.
    void DrawPreview(const TPreview& preview, const TBoardState& board, bool colourBlind) const;
    void DrawMover(const TMover& mover, bool colourBlind) const;

private:
    // A piece with its shadow, the shadow always from the normal strip.
    void DrawPiece(float x, float y, int frame, bool colourBlind) const;
    const TGameImage& Pieces(bool colourBlind) const;
};
