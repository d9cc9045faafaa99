#include "game/TPowerEffects.h"

#include <algorithm>

#include "presentation/TImageBank.h"

namespace {

constexpr TPowerEffects::TCircle Circle = {{
    {64, 0},    {63, 7},    {62, 13},   {60, 20},   {57, 27},   {54, 33},   {50, 39},   {46, 44},
    {40, 49},   {35, 53},   {29, 56},   {22, 59},   {16, 61},   {9, 63},    {2, 63},    {-4, 63},
    {-11, 62},  {-18, 61},  {-25, 58},  {-31, 55},  {-37, 51},  {-42, 47},  {-47, 42},  {-52, 37},
    {-55, 31},  {-58, 24},  {-61, 18},  {-62, 11},  {-63, 4},   {-63, -2},  {-63, -9},  {-61, -16},
    {-59, -23}, {-56, -29}, {-53, -35}, {-49, -41}, {-44, -46}, {-38, -50}, {-33, -54}, {-27, -58},
    {-20, -60}, {-13, -62}, {-6, -63},  {0, -63},   {7, -63},   {14, -62},  {20, -60},  {27, -57},
    {33, -54},  {39, -50},  {44, -45},  {49, -40},  {53, -35},  {57, -29},  {59, -22},  {61, -15},
    {63, -9},
}};

constexpr float ShadowAlpha = 0.4f;

}  // namespace

void TPowerEffects::Load(const TImageBank& images) {
    imgExplode = images.Find("explode");
    imgBrush = images.Find("brush");
    imgPaint = images.Find("paint");
    SetCircleArray();
}

void TPowerEffects::Kill() {
    imgExplode.reset();
    imgBrush.reset();
    imgPaint.reset();
}

void TPowerEffects::SetCircleArray() {
    CircleCoor = Circle;
}

void TPowerEffects::Draw(const TBomb& bomb, const TPalette& palette) const {
    if (!imgExplode) return;
    if (bomb.doExplosion) DrawExplosions(bomb);
    if (palette.DoPaint) DrawBrush(palette);
}

void TPowerEffects::DrawExplosions(const TBomb& bomb) const {
    const int last = media::ImageFrames(imgExplode->image) - 1;
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            const int frame = bomb.ExplosionMap[x][y];
            if (frame < 0) continue;
            media::DrawImageFrame(imgExplode->image, CellCentreX(x), CellCentreY(y),
                                  std::min(frame, last));
        }
    }
}

void TPowerEffects::DrawBrush(const TPalette& palette) const {
    const auto& offset = CircleCoor[std::clamp(palette.nPaint, 0, TPalette::LastPaintStep)];
    const float sx = static_cast<float>(offset[0] + palette.px);
    const float sy = static_cast<float>(offset[1] + palette.py);
    const int paintFrame =
        std::clamp(palette.pColor - FirstFlavour, 0, media::ImageFrames(imgPaint->image) - 1);

    media::SetAlpha(ShadowAlpha);
    media::SetColor(0, 0, 0);
    media::DrawImageFrame(imgPaint->image, sx + 5, sy - 7, 0);
    media::DrawImageFrame(imgBrush->image, sx + 4, sy - 62, 0);
    media::SetColor(255, 255, 255);
    media::SetAlpha(1);
    media::DrawImageFrame(imgPaint->image, sx + 1, sy - 11, paintFrame);
    media::DrawImageFrame(imgBrush->image, sx, sy - 66, 0);
}
