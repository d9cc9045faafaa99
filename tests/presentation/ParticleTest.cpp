// Particle lifetimes, fades, phases and the "Particles" amount.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "presentation/TParticleList.h"

namespace {

using presentation_test::HostAtNormalSpeed;

std::shared_ptr<TParticle> AddStill(TParticleList& list, float fadeMs, float lifeMs = 0) {
    return list.AddNew(400, 300, nullptr, 0, 0, 0, fadeMs, 0, 0, 0, 1, 0, lifeMs, 0);
}

TEST(ParticleLife, FadeOutFallsLinearlyThenTheParticleDies) {
    HostAtNormalSpeed host;
    host.game->Presentation.Particles = 100;
    TParticleList list;
    auto particle = AddStill(list, 250);  // 50 steps
    EXPECT_FLOAT_EQ(particle->FadeCounter, 50);
    for (int step = 1; step < 50; ++step) {
        list.Manage();
        particle->Draw();
        ASSERT_NEAR(particle->Alpha, (50.0f - step) / 50.0f, 1e-5) << step;
    }
    EXPECT_EQ(list.Count(), 1u);
    list.Manage();
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_FLOAT_EQ(particle->Alpha, 0);
}

TEST(ParticleLife, FadeInSustainAndFadeOut) {
    HostAtNormalSpeed host;
    TParticleList list;
    auto particle = AddStill(list, 0);
    particle->SetFade(100, 500, 150);  // 20, 100, 30 steps
    EXPECT_FLOAT_EQ(particle->Alpha, 0);
    int steps = 0;
    while (particle->FadeIn) {
        list.Manage();
        particle->Draw();
        ++steps;
    }
    EXPECT_EQ(steps, 20);
    EXPECT_FLOAT_EQ(particle->Alpha, 1);
    for (int step = 0; step < 100; ++step) list.Manage();
    EXPECT_FLOAT_EQ(particle->FadeCounter, 30);
    for (int step = 0; step < 29; ++step) list.Manage();
    EXPECT_EQ(list.Count(), 1u);
    list.Manage();
    EXPECT_EQ(list.Count(), 0u);
}

TEST(ParticleLife, KilledSeveralWaysInOneStepDiesOnce) {
    HostAtNormalSpeed host;
    TParticleList list;
    // Fade, scale and life all end on the same step.
    auto particle = list.AddNew(400, 300, nullptr, 0, 0, 0, 5, 0, 0, 0, 0.5f, -0.5f, 5, 0);
    auto other = AddStill(list, 0);
    int kills = 0;
    particle->UserKill = [&](TParticle&) { ++kills; };
    auto attached = AddStill(list, 0);
    particle->AttachedParticle = attached;
    attached->AttachedParticle = particle;
    list.Manage();
    EXPECT_EQ(kills, 1);
    EXPECT_EQ(list.Count(), 1u) << "the attached particle died with it";
    particle->Kill();
    EXPECT_EQ(kills, 1);
    EXPECT_TRUE(list.Contains(other.get()));
}

TEST(ParticleLife, DelayHidesAndHoldsTheParticle) {
    HostAtNormalSpeed host;
    TParticleList list;
    auto particle = list.AddNew(100, 100, nullptr, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
    particle->SetDelay(15);  // 3 steps
    bool started = false;
    particle->DelayFinished = [&](TParticle&) { started = true; };
    list.Manage();
    list.Manage();
    EXPECT_EQ(particle->Hidden, 1);
    EXPECT_FLOAT_EQ(particle->x, 100);
    list.Manage();
    EXPECT_TRUE(started);
    EXPECT_EQ(particle->Hidden, 0);
    EXPECT_FLOAT_EQ(particle->x, 101);
}

TEST(ParticleLife, PhasesChangeMotionAndTheLastOneEndsTheParticle) {
    HostAtNormalSpeed host;
    TParticleList list;
    auto particle = AddStill(list, 0);
    auto first = particle->AddPhase(10);
    first->dx = 1;
    auto second = particle->AddPhase(10);
    second->dy = 2;
    second->SetCoords = 1;
    second->SetX = 50;
    second->SetY = 60;
    int called = 0;
    second->UserFunction = [&](TParticle& p) {
        ++called;
        p.KillPhases();
    };
    particle->StartPhases();
    list.Manage();
    list.Manage();
    EXPECT_FLOAT_EQ(particle->x, 50) << "the second phase jumps, then moves";
    EXPECT_FLOAT_EQ(particle->y, 62);
    list.Manage();
    EXPECT_FLOAT_EQ(particle->y, 64);
    list.Manage();
    EXPECT_EQ(called, 1);
    EXPECT_EQ(list.Count(), 0u);
}

TEST(ParticleAmount, TheSettingThinsOutNewParticles) {
    HostAtNormalSpeed host;
    for (int percent : {0, 25, 80, 100}) {
        host.game->Presentation.Particles = percent;
        TParticleList list;
        for (int i = 0; i < 200; ++i) AddStill(list, 0);
        EXPECT_EQ(list.Count(), static_cast<size_t>(2 * percent)) << percent;
    }
    TParticleList kept;
    kept.Thinned = false;
    for (int i = 0; i < 10; ++i) AddStill(kept, 0);
    EXPECT_EQ(kept.Count(), 10u) << "a list that informs keeps every particle";

    host.game->Presentation.Particles = 0;
    TParticleList list;
    auto unlisted = AddStill(list, 0);
    unlisted->dx = 3;  // still safe to set up
    unlisted->Kill();
    EXPECT_EQ(unlisted->active, 0);
}

TEST(ParticleLists, AddingAndKillingDuringAPassIsSafe) {
    HostAtNormalSpeed host;
    TParticleList list;
    std::vector<std::shared_ptr<TParticle>> kept;
    for (int i = 0; i < 10; ++i) kept.push_back(AddStill(list, 0));
    kept[3]->UserMove = [&](TParticle&) {
        kept[4]->Kill();
        kept[2]->Kill();
        kept.push_back(list.AddNew(1, 1, nullptr, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1));
    };
    int moved = 0;
    for (auto& p : kept) {
        if (p != kept[3]) p->DestinationReached = [&](TParticle&) { ++moved; };
        p->DestX = 400;
        p->DestY = 300;
    }
    list.Move();
    EXPECT_EQ(moved, 8) << "the one killed before its turn is skipped";
    EXPECT_EQ(list.Count(), 9u);
    EXPECT_EQ(list.Items().front(), kept.back()) << "added at the front";
}

}  // namespace
