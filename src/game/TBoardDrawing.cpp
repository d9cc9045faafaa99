#include "game/TBoardDrawing.h"

#include <algorithm>

#include "game/LevelTables.h"
#include "presentation/TImageBank.h"

namespace {

// Where the cover's top-left corner sits over the machine, and its width.
constexpr float CoverX = 28;
constexpr float CoverY = 154;
constexpr float CoverWidth = 171;
// The three preview slots.
constexpr float PreviewX[3] = {85, 113, 141};
constexpr float PreviewY = 378;
// The shadow of a piece in flight is drawn with the blackjack's round frame.
constexpr int FlyingShadowFrame = 1;

int Frame(int value) {
    return std::clamp(value, EMPTY, RESERVED);
}

}  // namespace

void TBoardDrawing::Load(const TImageBank& images) {
    imgEmpty = images.Find("empty");
    imgZindles = images.Find("zindles");
    imgZindlesCB = images.Find("zindlesCB");
    imgNext = images.Find("next");
    imgNextCB = images.Find("nextCB");
}

void TBoardDrawing::Kill() {
    imgEmpty.reset();
    imgZindles.reset();
    imgZindlesCB.reset();
    imgNext.reset();
    imgNextCB.reset();
}

const TGameImage& TBoardDrawing::Pieces(bool colourBlind) const {
    return colourBlind ? *imgZindlesCB : *imgZindles;
}

void TBoardDrawing::DrawPiece(float x, float y, int frame, bool colourBlind) const {
    media::SetColor(0, 0, 0);
    media::SetAlpha(ShadowAlpha);
    media::DrawImageFrame(imgZindles->image, x + ShadowX, y + ShadowY, frame);
    media::SetAlpha(1);
    media::SetColor(255, 255, 255);
    media::DrawImageFrame(Pieces(colourBlind).image, x, y, frame);
}

void TBoardDrawing::DrawBoard(const TBoardState& board, float machineFill, bool colourBlind) const {
    if (!imgZindles) return;
    const int fill = static_cast<int>(machineFill);
    if (fill < MachineFull) {
        media::DrawImageArea(imgEmpty->image, CoverX, CoverY, 0, 0, CoverWidth,
                             static_cast<float>(MachineFull - std::max(fill, 0)), 0);
    }
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            DrawPiece(CellCentreX(x), CellCentreY(y), Frame(board.Board[x][y]), colourBlind);
        }
    }
}

void TBoardDrawing::DrawPreview(const TPreview& preview, const TBoardState& board,
                                bool colourBlind) const {
    if (!imgNext) return;
    const TGameImage& next = colourBlind ? *imgNextCB : *imgNext;
    for (int i = 0; i < 3; ++i) {
        media::DrawImageFrame(next.image, PreviewX[i], PreviewY, Frame(preview.Next3[i]));
    }
    if (!preview.InFlight()) return;

    // Only the slots that are really in the air: the others still name the cells of an
    // earlier deal.
    const int count = std::clamp(preview.count, 0, 3);
    media::SetDrawScale(preview.NextScale, preview.NextScale);
    media::SetColor(0, 0, 0);
    media::SetAlpha(ShadowAlpha);
    for (int i = 0; i < count; ++i) {
        const auto& cell = board.DealCells[i];
        media::DrawImageFrame(imgZindles->image, CellCentreX(cell[0]) + ShadowX,
                              CellCentreY(cell[1]) + ShadowY, FlyingShadowFrame);
    }
    media::SetAlpha(1);
    media::SetColor(255, 255, 255);
    for (int i = 0; i < count; ++i) {
        const auto& cell = board.DealCells[i];
        media::DrawImageFrame(Pieces(colourBlind).image, CellCentreX(cell[0]), CellCentreY(cell[1]),
                              Frame(preview.Last3[i]));
    }
    media::SetDrawScale(1, 1);
}

void TBoardDrawing::DrawMover(const TMover& mover, bool colourBlind) const {
    if (!imgZindles || !mover.Visible) return;
    DrawPiece(mover.X, mover.Y, Frame(mover.ImageFrame), colourBlind);
}
