// Cost of one frame of each sprite effect at the highest density: clearing what the last
// frame drew, simulating and drawing every sprite into a premultiplied buffer.
#include "FrameRun.h"
#include "PngFile.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

constexpr int kDensity = 9;

std::vector<Sprite> LoadSprites(const std::vector<int>& ids) {
    std::vector<Sprite> sprites;
    for (int id : ids)
        if (auto sprite =
                LoadPngFile(std::string(ORVANE_PNG_DIR) + "/" + std::to_string(id) + ".png"))
            sprites.push_back(std::move(*sprite));
    return sprites;
}

void RunFrames(benchmark::State& state, const SpriteEffectKind& kind) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    const std::vector<int> ids = SpriteIdsOf(kind);
    std::vector<Sprite> sprites = LoadSprites(ids);
    if (sprites.size() != ids.size()) {
        state.SkipWithError("sprite pictures missing");
        return;
    }
    FrameRun run(kind, std::move(sprites), width, height, kDensity);
    run.WarmUp();
    long long dirtyPixels = 0;
    for (auto _ : state) {
        run.Frame();
        const PixelRect dirty = run.Canvas().DirtyRect();
        dirtyPixels +=
            static_cast<long long>(dirty.right - dirty.left) * (dirty.bottom - dirty.top);
    }
    state.counters["sprites"] = static_cast<double>(run.Effect().Records().size());
    state.counters["dirty%"] = 100.0 * static_cast<double>(dirtyPixels) /
                               (static_cast<double>(state.iterations()) * width * height);
    state.counters["keptMB"] = static_cast<double>(run.KeptBytes()) / (1024.0 * 1024.0);
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(RunFrames, LeafFall, LeafFallKind())->Apply(Sizes);
BENCHMARK_CAPTURE(RunFrames, FallingPetals, FallingPetalsKind())->Apply(Sizes);
BENCHMARK_CAPTURE(RunFrames, RainFlowers, RainFlowersKind())->Apply(Sizes);
BENCHMARK_CAPTURE(RunFrames, Sweets, SweetsKind())->Apply(Sizes);
BENCHMARK_CAPTURE(RunFrames, Hearts, HeartsKind())->Apply(Sizes);
BENCHMARK_CAPTURE(RunFrames, Balloons, BalloonsKind())->Apply(Sizes);
BENCHMARK_CAPTURE(RunFrames, Dandelions, DandelionsKind())->Apply(Sizes);
BENCHMARK_CAPTURE(RunFrames, LeavesInTheWind, LeavesInTheWindKind())->Apply(Sizes);

} // namespace
} // namespace orvane

BENCHMARK_MAIN();
