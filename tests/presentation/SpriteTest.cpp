// Sprite motion and animation per step, the multi-phase timer and sine counters.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "presentation/TAnimation.h"
#include "presentation/TSineCounter.h"
#include "presentation/TSprite.h"

namespace {

using presentation_test::HostAtNormalSpeed;

std::shared_ptr<TGameImage> SizedImage(int w, int h, int mid) {
    auto image = std::make_shared<TGameImage>();
    image->w = w;
    image->h = h;
    image->w2 = static_cast<float>(w / 2);
    image->h2 = static_cast<float>(h / 2);
    image->midhandled = mid;
    return image;
}

TEST(FrameFromCounter, WalksFramesAndNeverPassesTheLast) {
    EXPECT_EQ(FrameFromCounter(0, 100, 4, 1), 0);
    EXPECT_EQ(FrameFromCounter(25, 100, 4, 1), 1);
    EXPECT_EQ(FrameFromCounter(100, 100, 4, 1), 3);
    EXPECT_EQ(FrameFromCounter(100, 100, 4, 0), 0);
    EXPECT_EQ(FrameFromCounter(0.01f, 100, 4, 0), 3);
    EXPECT_EQ(FrameFromCounter(150, 100, 4, 1), 3);
    EXPECT_EQ(FrameFromCounter(-5, 100, 4, 1), 0);
    EXPECT_EQ(FrameFromCounter(5, 0, 4, 1), 3) << "a zero-length run never divides by zero";
}

TEST(SpriteAnimation, LoopCountWrapsThenStopsAndCallsBackEveryStepAfter) {
    HostAtNormalSpeed host;
    TSprite sprite;
    int calls = 0;
    sprite.AnimStoppedFunction = [&](TSprite&) { ++calls; };
    sprite.SetupAnim(4, 50, 1, 0, 0, 0, 1);  // 10 steps, counter rising
    sprite.Anim.LoopCount = 3;
    EXPECT_EQ(sprite.Anim.Length, 10);
    EXPECT_FLOAT_EQ(sprite.Anim.Counter, 0);
    std::vector<int> frames;
    for (int step = 0; step < 9; ++step) {
        sprite.ManageAnim();
        frames.push_back(sprite.Anim.frame);
    }
    EXPECT_EQ(frames, (std::vector<int>{0, 0, 1, 1, 2, 2, 2, 3, 3}));
    for (int step = 0; step < 21; ++step) sprite.ManageAnim();
    EXPECT_EQ(calls, 2) << "two wraps with a callback";
    EXPECT_EQ(sprite.Anim.Loop, 0);
    EXPECT_FLOAT_EQ(sprite.Anim.Counter, 10);
    sprite.ManageAnim();
    EXPECT_EQ(calls, 3) << "a stopped animation meets its bound again";
}

TEST(SpriteAnimation, PingPongBouncesWithoutCallbacks) {
    HostAtNormalSpeed host;
    TSprite sprite;
    int calls = 0;
    sprite.AnimStoppedFunction = [&](TSprite&) { ++calls; };
    sprite.SetupAnim(2, 20, 1, 0, 0, 1, 1);  // 4 steps, frame length 2
    for (int step = 0; step < 4; ++step) sprite.ManageAnim();
    EXPECT_EQ(sprite.Anim.Reverse, 1) << "falls back from the top";
    EXPECT_FLOAT_EQ(sprite.Anim.Counter, 2);
    for (int step = 0; step < 2; ++step) sprite.ManageAnim();
    EXPECT_EQ(sprite.Anim.Reverse, 0) << "rises again from the bottom";
    EXPECT_FLOAT_EQ(sprite.Anim.Counter, 2);
    for (int step = 0; step < 2; ++step) sprite.ManageAnim();
    EXPECT_EQ(sprite.Anim.Reverse, 1);
    EXPECT_EQ(calls, 0);

    // Counting down forwards, the bounce turns the other way round.
    TSprite down;
    down.SetupAnim(2, 20, 0, 0, 0, 1, 1);
    for (int step = 0; step < 4; ++step) down.ManageAnim();
    EXPECT_EQ(down.Anim.Reverse, 1);
    EXPECT_FLOAT_EQ(down.Anim.Counter, 2);

    TSprite still;
    still.Anim.frame = 0;
    still.ImageFrame = 2;
    EXPECT_EQ(still.ManageAnim(), 0);
    EXPECT_EQ(still.Anim.frame, 0) << "one frame never animates";
}

TEST(SpriteMotion, VelocityGravityRotationAndScaleFollowDelta) {
    HostAtNormalSpeed host;
    TSprite sprite;
    sprite.dx = 2;
    sprite.dy = 1;
    sprite.ygravity = 0.5f;
    PresentationContext().Delta = 0.5f;
    sprite.Move();
    EXPECT_FLOAT_EQ(sprite.x, 1);
    EXPECT_FLOAT_EQ(sprite.y, 0.5f) << "position moves before gravity";
    EXPECT_FLOAT_EQ(sprite.dy, 1.25f);
    PresentationContext().Delta = 1;

    sprite.Rotation = 359;
    sprite.SetupRotation(2, 0, 1, 0);
    sprite.ManageRotation();
    EXPECT_FLOAT_EQ(sprite.Rotation, 1);

    TSprite turning;
    turning.SetupRotation(3, 20, 0, 0);  // four steps
    for (int step = 0; step < 6; ++step) turning.ManageRotation();
    EXPECT_FLOAT_EQ(turning.Rotation, 12);

    TSprite growing;
    growing.SetupScale(0.25f, 0.5f, 10);
    for (int step = 0; step < 5; ++step) growing.ManageScale();
    EXPECT_FLOAT_EQ(growing.ScaleX, 1.5f);
    EXPECT_FLOAT_EQ(growing.ScaleY, 2.0f);
    growing.SetScaleXY(2, 0);
    EXPECT_FLOAT_EQ(growing.ScaleY, 2);

    TSprite forward;
    forward.speed = 2;
    forward.Rotation = 90;
    forward.MoveForward();
    EXPECT_NEAR(forward.x, 2, 1e-5);
    EXPECT_NEAR(forward.y, 0, 1e-5);
}

TEST(SpriteMotion, BoundsAndOutOfBounds) {
    TSprite sprite;
    sprite.SetImage(SizedImage(64, 32, 1));
    sprite.x = -32;
    EXPECT_FALSE(sprite.OutOfBounds());
    sprite.x = -32.5f;
    EXPECT_TRUE(sprite.OutOfBounds());
    sprite.x = -100;
    sprite.y = 1000;
    sprite.BoundsCheck();
    EXPECT_FLOAT_EQ(sprite.x, 32);
    EXPECT_FLOAT_EQ(sprite.y, 600 - 16);

    TSprite corner;
    corner.SetImage(SizedImage(64, 32, 0));
    corner.x = -64;
    EXPECT_FALSE(corner.OutOfBounds());
    corner.x = 800.5f;
    EXPECT_TRUE(corner.OutOfBounds());
}

TEST(SpriteMotion, GlowFadesAndPulses) {
    HostAtNormalSpeed host;
    TSprite sprite;
    sprite.SetGlow(2, 0.5f, 0.2f, 0, 1);
    for (int step = 0; step < 3; ++step) sprite.ManageGlow();
    EXPECT_FLOAT_EQ(sprite.Glow, 0);
    sprite.SetGlow(3, 0, 90, 0.2f, 0.6f);
    sprite.ManageGlow();
    EXPECT_FLOAT_EQ(sprite.Glow, 0.6f);
    sprite.ManageGlow();
    EXPECT_NEAR(sprite.Glow, 0.2f, 1e-5);
}

TEST(SpriteLinks, AttachedSpritesSurviveKillsInAnyOrder) {
    auto a = std::make_shared<TSprite>();
    auto b = std::make_shared<TSprite>();
    a->AttachedSprite = b;
    b->AttachedSprite = a;
    a->Kill();
    EXPECT_EQ(a->AttachedSprite, nullptr);
    EXPECT_EQ(b->AttachedSprite, nullptr);
}

TEST(AnimationTimer, PhasesEndInTurnAndFinish) {
    HostAtNormalSpeed host;
    TAnimation timer;
    timer.Init(10, 0, 0, 0);
    timer.AddPhase(10);
    timer.AddPhase(10);
    timer.Start();
    std::vector<int> phases;
    int ends = 0;
    for (int step = 0; step < 6; ++step) {
        if (timer.Manage()) {
            ++ends;
            phases.push_back(timer.CurrentPhase);
        }
    }
    EXPECT_EQ(ends, 3);
    EXPECT_EQ(phases, (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(timer.Active, 0);
    EXPECT_EQ(timer.Finished, 1);

    TAnimation held;
    held.Init(10, 1, 1, 0);
    held.Start();
    held.Manage();
    EXPECT_FLOAT_EQ(held.GetRatio(), 0.5f);
    held.Manage();
    EXPECT_EQ(held.Manage(), 1);
    EXPECT_EQ(held.Active, 1) << "left active at its end";
    EXPECT_EQ(held.Manage(), 1);

    TAnimation many;
    many.Init(5, 0, 0, 1);
    for (int i = 0; i < 80; ++i) many.AddPhase(5);
    EXPECT_EQ(many.TotalPhases, TAnimation::MAX_PHASES);
}

TEST(Counters, SineCountersWrapAndGiveTheirRatio) {
    HostAtNormalSpeed host;
    TSineCounter sine;
    sine.Init(0, 360, 2);
    sine.SetCounter(356);
    sine.Manage();
    EXPECT_FLOAT_EQ(sine.Counter, 358);
    sine.Manage();
    EXPECT_FLOAT_EQ(sine.Counter, 0);
    sine.SetCounter(90);
    EXPECT_FLOAT_EQ(sine.ratio, 1);
}

}  // namespace
