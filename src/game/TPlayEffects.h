#pragma once
// The particles that decorate play: the trail of the carried piece, popups and rings where lines
// vanish, bubbles when the machine gains pieces and on its surface, and the pieces that fly out
// of it when a power is paid for. They change nothing in the rules.

#include <array>
#include <memory>

#include "game/TLineRemoval.h"
#include "presentation/TGameImage.h"

class TParticle;
class TParticleList;
class TResources;

class TPlayEffects {
public:
    // Draws with the images and particle lists of `resources`, which must outlive it.
    explicit TPlayEffects(TResources& resources);

    // Bubbles in one burst when removed pieces enter the machine.
    static constexpr int BurstBubbles = 120;
    // Logic steps between two surface bubbles.
    static constexpr float SurfaceEvery = 1.2f;
    // The surface's fizz moves and shows its new bubbles this many steps at a time: at a dozen
    // pictures a second it looks the same, and the frames between show nothing new.
    static constexpr float SurfaceFrameSteps = 16;
    static constexpr int DrainImages = 10;

    std::shared_ptr<TGameImage> imgBubble;
    std::shared_ptr<TGameImage> imgTrail;
    std::shared_ptr<TGameImage> imgRing;
    // "score5" .. "score20" by count, and "score10" .. "score50" for the streak.
    std::array<std::shared_ptr<TGameImage>, 51> imgScore{};
    // "bparticles0" .. "bparticles9": the preview's flavours and rainbow.
    std::array<std::shared_ptr<TGameImage>, DrainImages> imgDrain{};
    float SurfaceCounter = 0;
    // Steps the surface's bubbles have not been moved for.
    float SurfaceUnmoved = 0;

    // Fetches the images and makes the drain pieces from the preview strip.
    void Load();
    void Kill();
    // Empties the six lists the play screen uses.
    void Clear();

    void Trail(int cellX, int cellY);
    void LineRemoved(const TLineRemoval& removal, float machineFill);
    // The popup and rings of a removal on a board without a machine to feed.
    void LineVanished(const TLineRemoval& removal);
    void Surface(float delta, float machineFill);
    // One bubble on the surface of a globe shaped like the machine's, centred on centreX, whose
    // empty surface lies at surfaceY (the level select's small machine has one too).
    static std::shared_ptr<TParticle> SurfaceBubble(TParticleList& list,
                                                    const std::shared_ptr<TGameImage>& bubble,
                                                    float centreX, float surfaceY,
                                                    float machineFill);
    void DrainBurst(int count, float machineFill);
    // Moves a surface's bubbles `steps` at once and shows those made hidden since.
    static void MoveSurfaceBy(TParticleList& list, float steps);

    void Move();
    // Only the surface's fizz is left: no trail, popup, ring, burst or drain particle.
    [[nodiscard]] bool OnlySurface() const;
    // Logic steps before the fizz next moves.
    [[nodiscard]] int StepsUntilSurfaceMoves() const;
    // The trail goes under the carried piece, everything else over it.
    void DrawUnderMover();
    void DrawOverMover();

private:
    void Popup(int imageNumber, float x, float y);
    void Rings(const TLineRemoval& removal);
    void BurstBubble(float machineFill);
    std::shared_ptr<TGameImage> BuildDrainImage(int k);
    // Moves the surface's bubbles when their next picture is due, and shows those made since.
    void MoveSurface();
    // The six lists the play screen uses (the extra one is not among them).
    std::array<TParticleList*, 6> Lists() const;

    TResources& Resources;
};
