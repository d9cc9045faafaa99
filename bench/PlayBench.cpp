// The play screen under load: one logic pass with the particle lists full, and one whole frame
// of a full board with a burst of bubbles in the machine (at 800x600 and at 1600x1200), on the
// headless software renderer.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "game/GameResources.h"
#include "game/TGameScreen.h"
#include "host/TGame.h"
#include "media/Media.h"
#include "presentation/TGameFade.h"
#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TResources.h"

namespace {

const std::string Data = std::string(QUILLOX_DATA_FOLDER) + "/";

// A host, the game's pictures and sounds, and a play screen on level 8, made once.
class PlayBench {
public:
    PlayBench() {
        if (!media::Init({true}) || !media::OpenDisplay(800, 600, 0, 60)) std::abort();
        Host->Timing.MS = 5.0f;
        Host->Presentation.Particles = 100;
        Host->Presentation.Fade = 0;
        Host->Presentation.ImagePath = Data + "graphics/";
        Host->Presentation.MenuPath = Data + "menus/";
        Host->Presentation.SoundPath = Data + "sound/";
        const auto shared = std::filesystem::temp_directory_path() / "quillox-play-bench";
        std::filesystem::create_directories(shared);
        Host->Paths.SubPath = shared.string() + "/";
        Screen.Seed = 3;
        Resources.SetPaths(Host->Presentation.ImagePath, Host->Presentation.SoundPath);
        LoadGameSounds(Resources);
        LoadGameImages(Resources);
        Resources.LoadFonts(Data + "fonts/");
        Screen.Player.Level = 8;
        Screen.Load();
        Screen.Start();
        PresentationContext().Delta = 1.0f;
    }

    // Every cell taken (no lines), the machine half full, a selection, and every list the screen
    // uses full of particles.
    void Busy(bool fullBoard) {
        Screen.Start();
        TBoardState& board = Screen.Level->Play.BoardState;
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = 0; y < BoardSize; ++y) {
                board.Board[x][y] = FirstFlavour + (x + 2 * y) % 5;
            }
        }
        if (!fullBoard) board.Board[8][8] = EMPTY;
        board.PiecesOnBoard = board.CountOccupiedCells();
        Screen.Level->Play.Machine.MachineFill = 70;
        Screen.Level->Select(0, 0);
        for (int i = 0; i < 240; ++i) Pass();  // the surface list fills up
        TLineRemoval removal;
        removal.OriginX = 4;
        removal.OriginY = 4;
        for (int x = 0; x < BoardSize; ++x) removal.Cells.push_back({x, 4});
        removal.PopupImage = 9;
        removal.StreakBonus = 30;
        Screen.Effects.LineRemoved(removal, 70);
        Screen.Effects.LineRemoved(removal, 70);
        Screen.Effects.DrainBurst(8, 70);
        for (int x = 0; x < BoardSize; ++x) Screen.Effects.Trail(x, 0);
    }

    void Pass() {
        PresentationContext().Delta = 1.0f;
        Screen.Logic();
    }

    // Made before the media layer starts: the host only wires its parts.
    std::unique_ptr<TGame> Host = std::make_unique<TGame>();
    TResources Resources;
    TGameScreen Screen{Host->Parts(), Resources};
};

PlayBench& Bench() {
    static PlayBench bench;
    return bench;
}

size_t ParticleCount() {
    const TResources& resources = Bench().Resources;
    return resources.DrainParticles.Count() + resources.ScoreParticles.Count() +
           resources.RingParticles.Count() + resources.BurstParticles.Count() +
           resources.SurfaceParticles.Count() + resources.TrailParticles.Count();
}

void BM_LogicPassBusyScreen(benchmark::State& state) {
    PlayBench& bench = Bench();
    bench.Busy(false);
    int passes = 0;
    size_t particles = 0;
    for (auto _ : state) {
        if (++passes % 100 == 0) {
            state.PauseTiming();
            bench.Busy(false);
            state.ResumeTiming();
        }
        particles += ParticleCount();
        bench.Pass();
    }
    state.counters["particles"] =
        benchmark::Counter(static_cast<double>(particles), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_LogicPassBusyScreen)->Repetitions(9)->ReportAggregatesOnly(true);

// Drawn whole every time: what a frame costs when everything on it has changed, in an 800x600
// window and in a 1600x1200 one (the canvas drawn at twice the resolution).
void BM_FrameFullBoardWithBurst(benchmark::State& state) {
    PlayBench& bench = Bench();
    const int width = static_cast<int>(state.range(0));
    if (!media::OpenDisplay(width, width * 3 / 4, 0, 60)) std::abort();
    bench.Busy(true);
    media::SetDamageTracking(false);
    for (auto _ : state) {
        bench.Screen.Draw();
        media::Flip(0);
    }
    media::SetDamageTracking(true);
    state.counters["particles"] = static_cast<double>(ParticleCount());
    state.counters["scale"] = media::CanvasScale();
    if (!media::OpenDisplay(800, 600, 0, 60)) std::abort();
}
BENCHMARK(BM_FrameFullBoardWithBurst)
    ->Arg(800)
    ->Arg(1600)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The burst moving on between frames, drawn where it changed: what play costs frame by frame.
void BM_FrameBurstMovingDamageTracked(benchmark::State& state) {
    PlayBench& bench = Bench();
    bench.Busy(true);
    for (auto _ : state) {
        state.PauseTiming();
        bench.Pass();
        state.ResumeTiming();
        bench.Screen.Draw();
        media::Flip(0);
    }
    state.counters["redrawn pixels"] = static_cast<double>(media::FlipRedrawnPixels());
}
BENCHMARK(BM_FrameBurstMovingDamageTracked)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
