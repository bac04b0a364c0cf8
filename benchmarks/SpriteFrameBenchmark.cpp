// Cost of one frame of each sprite effect at the highest density: clearing what the last
// frame drew, simulating and drawing every sprite into a premultiplied buffer.
#include "PngFile.h"
#include "effects/EffectCatalog.h"
#include "effects/SoftwareCanvas.h"
#include "framework/Random.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace orvane {
namespace {

constexpr int kDensity = 9;
// Frames run before timing, so that the population is spread over the screen as it is
// after the first half minute rather than all above the top edge.
constexpr int kWarmUpFrames = 1500;

std::vector<Sprite> LoadSprites(const std::vector<int>& ids) {
    std::vector<Sprite> sprites;
    for (int id : ids)
        if (auto sprite =
                LoadPngFile(std::string(ORVANE_PNG_DIR) + "/" + std::to_string(id) + ".png"))
            sprites.push_back(std::move(*sprite));
    return sprites;
}

void RunFrames(benchmark::State& state, const SpriteEffectKind& kind, std::vector<int> ids) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, 0);
    SoftwareCanvas canvas({pixels.data(), width, height, width});
    SeedRandom(1);
    SpriteEffect effect(kind.rules);
    effect.SetSprites(LoadSprites(ids));
    if (effect.Sprites().size() != ids.size()) {
        state.SkipWithError("sprite pictures missing");
        return;
    }
    effect.Begin(width, height);
    if (kind.windKey)
        effect.Wind().Start(5);
    const int target = TargetCountForDensity(kDensity);
    for (int i = 0; i < kWarmUpFrames; ++i) {
        canvas.BeginFrame();
        effect.DrawFrame(canvas, target);
    }
    long long dirtyPixels = 0;
    for (auto _ : state) {
        canvas.BeginFrame();
        effect.DrawFrame(canvas, target);
        const PixelRect dirty = canvas.DirtyRect();
        dirtyPixels +=
            static_cast<long long>(dirty.right - dirty.left) * (dirty.bottom - dirty.top);
        benchmark::DoNotOptimize(pixels.data());
    }
    state.counters["sprites"] = static_cast<double>(effect.Records().size());
    state.counters["dirty%"] = 100.0 * static_cast<double>(dirtyPixels) /
                               (static_cast<double>(state.iterations()) * width * height);
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
}

void LeafFall(benchmark::State& s) {
    RunFrames(s, LeafFallKind(), LeafFallKind().spriteIds);
}
void FallingPetals(benchmark::State& s) {
    RunFrames(s, FallingPetalsKind(), PetalSpriteIds(L"red"));
}
void RainFlowers(benchmark::State& s) {
    RunFrames(s, RainFlowersKind(), RainFlowersKind().spriteIds);
}
void Sweets(benchmark::State& s) {
    RunFrames(s, SweetsKind(), SweetsKind().spriteIds);
}
void Hearts(benchmark::State& s) {
    RunFrames(s, HeartsKind(), HeartsKind().spriteIds);
}
void Balloons(benchmark::State& s) {
    RunFrames(s, BalloonsKind(), BalloonsKind().spriteIds);
}
void Dandelions(benchmark::State& s) {
    RunFrames(s, DandelionsKind(), DandelionsKind().spriteIds);
}
void LeavesInTheWind(benchmark::State& s) {
    RunFrames(s, LeavesInTheWindKind(), LeavesInTheWindKind().spriteIds);
}

BENCHMARK(LeafFall)->Apply(Sizes);
BENCHMARK(FallingPetals)->Apply(Sizes);
BENCHMARK(RainFlowers)->Apply(Sizes);
BENCHMARK(Sweets)->Apply(Sizes);
BENCHMARK(Hearts)->Apply(Sizes);
BENCHMARK(Balloons)->Apply(Sizes);
BENCHMARK(Dandelions)->Apply(Sizes);
BENCHMARK(LeavesInTheWind)->Apply(Sizes);

} // namespace
} // namespace orvane

BENCHMARK_MAIN();
