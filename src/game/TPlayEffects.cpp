#include "game/TPlayEffects.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "game/Cells.h"
#include "game/GameResources.h"
#include "game/LevelTables.h"
#include "media/Media.h"
#include "presentation/Names.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TResources.h"

namespace {

// Where the machine's bubbles rise, the second popup shows and the drain pieces leave.
constexpr int MachineX = 113;
constexpr int BurstX = 116;
constexpr int BurstSpread = 45;
constexpr int BurstY = 294;
constexpr int SurfaceY = 301;
constexpr int DrainY = 320;
constexpr float StreakPopupX = 220;
constexpr float StreakPopupY = 450;
constexpr int FirstPopup = 5;
constexpr int LastCountPopup = 20;

// Random 0..1 with 0 standing for -1: the way a bubble turns.
int Sign() {
    return media::RandomInt(0, 1) == 0 ? -1 : 1;
}

float Whole(float value) {
    return static_cast<float>(static_cast<int>(value));
}

}  // namespace

TPlayEffects::TPlayEffects(TResources& resources) : Resources(resources) {}

std::array<TParticleList*, 6> TPlayEffects::Lists() const {
    return {&Resources.DrainParticles, &Resources.ScoreParticles,   &Resources.RingParticles,
            &Resources.BurstParticles, &Resources.SurfaceParticles, &Resources.TrailParticles};
}

void TPlayEffects::Load() {
    imgBubble = Resources.ImageBank.Find("particle1");
    imgTrail = Resources.ImageBank.Find("particle2");
    imgRing = Resources.ImageBank.Find("particlering");
    imgScore.fill(nullptr);
    for (int n = FirstPopup; n <= LastCountPopup; ++n) {
        imgScore[n] = Resources.ImageBank.Find(NumberedName("score", n));
    }
    for (int n = 30; n <= 50; n += 10)
        imgScore[n] = Resources.ImageBank.Find(NumberedName("score", n));
    for (int k = 0; k < DrainImages; ++k) imgDrain[k] = BuildDrainImage(k);
    // The popups and rings show what a removal scored and where: never thinned out.
    Resources.ScoreParticles.Thinned = false;
    Resources.RingParticles.Thinned = false;
    SurfaceCounter = 0;
}

std::shared_ptr<TGameImage> TPlayEffects::BuildDrainImage(int k) {
    const std::string name = NumberedName("bparticles", k);
    const auto next = Resources.ImageBank.Find("next");
    if (!next || !next->image) return nullptr;
    // One preview frame of its own, so the particle draws a whole image rather than a strip.
    const media::Image copy = media::ImageFromFrame(next->image, k + FirstFlavour);
    if (!copy) return nullptr;
    auto image = TGameImage::CreateFromImage(copy, UpperCase(name), 1);
    Resources.ImageBank.Images[image->name] = image;
    return image;
}

void TPlayEffects::Kill() {
    imgBubble.reset();
    imgTrail.reset();
    imgRing.reset();
    imgScore.fill(nullptr);
    imgDrain.fill(nullptr);
}

void TPlayEffects::Clear() {
    for (TParticleList* list : Lists()) list->KillAll();
    SurfaceCounter = 0;
    SurfaceUnmoved = 0;
}

void TPlayEffects::Trail(int cellX, int cellY) {
    Resources.TrailParticles.AddNew(CellCentreX(cellX), CellCentreY(cellY), imgTrail, 0, 0, 0, 3000,
                                    0, 0, 0, 1.5f, -0.012f, 0, 0);
}

void TPlayEffects::Popup(int imageNumber, float x, float y) {
    const auto& image = imgScore[std::clamp(imageNumber, 0, static_cast<int>(imgScore.size()) - 1)];
    if (!image) return;
    Resources.ScoreParticles.AddNew(x, y, image, 0, -0.1f, 0, 1500, 0, 0, 1, 1, 0, 0, 0);
}

void TPlayEffects::BurstBubble(float machineFill) {
    const float x = static_cast<float>(BurstX + media::RandomInt(-BurstSpread, BurstSpread));
    const float y = Whole(BurstY - machineFill);
    const int sign = Sign();
    const float scale = media::RandomFloat(0.3f, 2);
    const float turn = media::RandomFloat(0.5f, 3);
    const float dy = media::RandomFloat(-1.5f, 0);
    const float dx = media::RandomFloat(-2, 2);
    Resources.BurstParticles.AddNew(x, y, imgBubble, dx, dy, 0.01f, 1000, 1, sign, turn, scale, 0,
                                    0, 0);
}

void TPlayEffects::LineRemoved(const TLineRemoval& removal, float machineFill) {
    Popup(std::min(removal.PopupImage, LastCountPopup), CellCentreX(removal.OriginX),
          CellCentreY(removal.OriginY));
    if (removal.StreakBonus > 0) Popup(removal.StreakBonus, StreakPopupX, StreakPopupY);
    Rings(removal);
    for (int i = 0; i < BurstBubbles; ++i) BurstBubble(machineFill);
}

void TPlayEffects::LineVanished(const TLineRemoval& removal) {
    Popup(std::min(removal.PopupImage, LastCountPopup), CellCentreX(removal.OriginX),
          CellCentreY(removal.OriginY));
    Rings(removal);
}

void TPlayEffects::Rings(const TLineRemoval& removal) {
    for (const auto& cell : removal.Cells) {
        Resources.RingParticles.AddNew(CellCentreX(cell[0]), CellCentreY(cell[1]), imgRing, 0, 0, 0,
                                       1000, 1, 0, 0, 0.3f, 0.012f, 0, 0);
    }
}

void TPlayEffects::Surface(float delta, float machineFill) {
    SurfaceCounter += delta;
    if (SurfaceCounter < SurfaceEvery) return;
    SurfaceCounter = 0;
    // Made now (the random numbers it takes are the board's too), shown with the next picture.
    const auto made =
        SurfaceBubble(Resources.SurfaceParticles, imgBubble, MachineX, SurfaceY, machineFill);
    made->Hidden = 1;
}

std::shared_ptr<TParticle> TPlayEffects::SurfaceBubble(TParticleList& list,
                                                       const std::shared_ptr<TGameImage>& bubble,
                                                       float centreX, float surfaceY,
                                                       float machineFill) {
    const int fill = std::clamp(static_cast<int>(machineFill), 0, MachineFull);
    const int spread = GlobeHalfWidth()[fill] - 1;
    const float x = Whole(centreX) + static_cast<float>(media::RandomInt(-spread, spread));
    const float y = Whole(surfaceY - machineFill);
    const int sign = Sign();
    const float scale = media::RandomFloat(0.3f, 0.5f);
    const float turn = media::RandomFloat(0.3f, 0.6f);
    return list.AddNew(x, y, bubble, 0, 0, 0, 1000, 1, sign, turn, scale, 0, 0, 0);
}

void TPlayEffects::DrainBurst(int count, float machineFill) {
    const float y = Whole(DrainY - machineFill);
    for (int k = 0; k < std::min(count, DrainImages); ++k) {
        if (!imgDrain[k]) continue;
        const float dy = media::RandomFloat(-1.5f, 0);
        const float dx = media::RandomFloat(-1.6f, 1.6f);
        Resources.DrainParticles.AddNew(MachineX, y, imgDrain[k], dx, dy, 0.02f, 2000, 0, 1, 0, 1,
                                        0, 0, 0);
    }
}

void TPlayEffects::Move() {
    for (TParticleList* list : Lists()) {
        if (list != &Resources.SurfaceParticles) list->Move();
    }
    MoveSurface();
}

bool TPlayEffects::OnlySurface() const {
    const auto lists = Lists();
    return std::all_of(lists.begin(), lists.end(), [this](const TParticleList* list) {
        return list == &Resources.SurfaceParticles || list->Count() == 0;
    });
}

int TPlayEffects::StepsUntilSurfaceMoves() const {
    return std::max(1, static_cast<int>(std::ceil(SurfaceFrameSteps - SurfaceUnmoved)));
}

void TPlayEffects::MoveSurface() {
    SurfaceUnmoved += PresentationContext().Delta;
    if (SurfaceUnmoved < SurfaceFrameSteps) return;
    MoveSurfaceBy(Resources.SurfaceParticles, SurfaceUnmoved);
    SurfaceUnmoved = 0;
}

void TPlayEffects::MoveSurfaceBy(TParticleList& list, float steps) {
    // The bubbles only turn and fade, evenly: one long move is as good as many short ones.
    TPresentationContext& context = PresentationContext();
    const float step = context.Delta;
    context.Delta = steps;
    list.Move();
    context.Delta = step;
    list.ForEach([](TParticle& bubble) { bubble.Hidden = 0; });
}

void TPlayEffects::DrawUnderMover() {
    Resources.TrailParticles.Draw();
}

void TPlayEffects::DrawOverMover() {
    for (TParticleList* list :
         {&Resources.ScoreParticles, &Resources.RingParticles, &Resources.SurfaceParticles,
          &Resources.BurstParticles, &Resources.DrainParticles}) {
        list->Draw();
    }
}
