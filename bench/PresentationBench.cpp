// Drawing 500 sprites with mixed rotation, scale and blend modes in the headless software
// renderer, and advancing 1000 live particles by one logic step.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "media/Media.h"
#include "presentation/TParticleList.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TSprite.h"

namespace {

std::shared_ptr<TGameImage> Picture(int size) {
    media::Pixmap pixmap;
    pixmap.width = pixmap.height = pixmap.pitch = size;
    pixmap.pixels.resize(static_cast<size_t>(size * size));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool inside =
                (x - size / 2) * (x - size / 2) + (y - size / 2) * (y - size / 2) < size * size / 4;
            pixmap.At(x, y) = inside ? 0xFFFF8040u : 0x00000000u;
        }
    }
    return TGameImage::CreateFromImage(media::ImageFromPixmap(pixmap, -1), "BALL", 1);
}

void DrawSprites(benchmark::State& state) {
    if (!media::Init({.headless = true}) || !media::OpenDisplay(800, 600, 0, 60)) {
        state.SkipWithError("no headless display");
        return;
    }
    const auto picture = Picture(48);
    std::vector<std::shared_ptr<TSprite>> sprites;
    const int blends[] = {media::ALPHABLEND, media::LIGHTBLEND, media::SOLIDBLEND,
                          media::SHADEBLEND};
    for (int i = 0; i < 500; ++i) {
        auto sprite = TSprite::Create(picture, static_cast<float>(20 + (i * 37) % 760),
                                      static_cast<float>(20 + (i * 53) % 560));
        sprite->Rotation = static_cast<float>((i * 29) % 360);
        sprite->SetScaleXY(0.5f + static_cast<float>(i % 4) * 0.5f, 0);
        sprite->Alpha = 0.4f + static_cast<float>(i % 6) * 0.1f;
        sprites.push_back(sprite);
    }
    for (auto _ : state) {
        media::Cls();
        for (size_t i = 0; i < sprites.size(); ++i) {
            media::SetBlend(blends[i % 4]);
            sprites[i]->Draw();
        }
        media::SetBlend(media::ALPHABLEND);
        media::Flip(0);
    }
    state.SetItemsProcessed(state.iterations() * 500);
    sprites.clear();
    media::Shutdown();
}
BENCHMARK(DrawSprites)->Unit(benchmark::kMillisecond);

void AdvanceParticles(benchmark::State& state) {
    // Normal speed, every particle, whole steps.
    TPresentationContext context;
    InstallPresentationContext(&context);
    TParticleList list;
    const auto picture = std::make_shared<TGameImage>();
    picture->w = picture->h = 8;
    picture->w2 = picture->h2 = 4;
    picture->midhandled = 1;
    const auto refill = [&] {
        while (list.Count() < 1000) {
            const float i = static_cast<float>(list.Count());
            list.AddNew(400, 300, picture, 0.001f * (i - 500), -0.001f * i, 0.0001f, 100000, 1, 1,
                        0.5f, 1, 0.00001f, 0, 0);
        }
    };
    refill();
    for (auto _ : state) {
        list.Manage();
        state.PauseTiming();
        refill();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 1000);
    InstallPresentationContext(nullptr);
}
BENCHMARK(AdvanceParticles)->Unit(benchmark::kMicrosecond);

}  // namespace
