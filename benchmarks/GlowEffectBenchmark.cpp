// Cost of one frame of the garland, the fireflies and the lightning at their heaviest
// settings, beside a frame that draws nothing: clearing what the last frame drew,
// simulating and drawing into a premultiplied buffer.
#include "PngFile.h"
#include "effects/Fireflies.h"
#include "effects/Garland.h"
#include "effects/Lightning.h"
#include "effects/SoftwareCanvas.h"
#include "framework/Random.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane {
namespace {

struct Frame {
    Frame(int w, int h)
        : pixels(static_cast<std::size_t>(w) * h, 0), canvas({pixels.data(), w, h, w}) {}
    std::vector<std::uint32_t> pixels;
    SoftwareCanvas canvas;
};

void Measure(benchmark::State& state, const std::function<void(ICanvas&)>& draw) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    Frame frame(width, height);
    for (int i = 0; i < 100; ++i) {
        frame.canvas.BeginFrame();
        draw(frame.canvas);
    }
    for (auto _ : state) {
        frame.canvas.BeginFrame();
        draw(frame.canvas);
        benchmark::DoNotOptimize(frame.pixels.data());
    }
}

void EmptyFrame(benchmark::State& state) {
    Measure(state, [](ICanvas&) {});
}

void Fireflies900(benchmark::State& state) {
    SeedRandom(1);
    Fireflies fireflies;
    fireflies.Begin(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    fireflies.SetColourful(true);
    Measure(state, [&](ICanvas& canvas) { fireflies.DrawFrame(canvas, 900); });
}

// Averaged over strikes and quiet frames alike; a strike frame lays up to three washes
// over the whole area.
void LightningStorm(benchmark::State& state) {
    SeedRandom(1);
    Lightning lightning;
    lightning.Begin(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    Measure(state, [&](ICanvas& canvas) { lightning.DrawFrame(canvas); });
}

// Every bulb drawn each frame, in random flash (a rand() per bulb) as at the fastest speed.
void GarlandOf(benchmark::State& state, int kind) {
    std::vector<std::optional<Sprite>> sprites;
    for (int id : kGarlandSpriteIds)
        sprites.push_back(
            LoadPngFile(std::string(ORVANE_PNG_DIR) + "/" + std::to_string(id) + ".png"));
    for (const auto& sprite : sprites)
        if (!sprite) {
            state.SkipWithError("garland pictures missing");
            return;
        }
    Garland garland(kind, kRandomFlash);
    garland.SetSprites(std::move(sprites));
    Measure(state, [&](ICanvas& canvas) {
        garland.Tick();
        garland.DrawFrame(canvas);
    });
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
}

BENCHMARK(EmptyFrame)->Apply(Sizes);
BENCHMARK(Fireflies900)->Apply(Sizes);
BENCHMARK(LightningStorm)->Apply(Sizes);
BENCHMARK_CAPTURE(GarlandOf, Lights, static_cast<int>(kMulticolorLights))->Apply(Sizes);
BENCHMARK_CAPTURE(GarlandOf, Icicles, static_cast<int>(kIcicleLights))->Apply(Sizes);

} // namespace
} // namespace orvane
