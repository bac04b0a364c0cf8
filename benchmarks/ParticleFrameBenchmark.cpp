// Cost of one frame of each particle effect at its heaviest density (and of each cursor
// effect with its lists full), through the overlay's frame canvas: clearing what the last
// frame drew, simulating and drawing. "EmptyFrame" is the floor: a frame that draws nothing;
// "FrameWrite" the floor of an effect over the whole screen, and the measure of the machine
// that the figures of different days are read against: every pixel written once.
#include "ParticleRun.h"
#include "PngFile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace orvane {
namespace {

constexpr int kDensity = 9;

ParticlePictures PngPictures() {
    return {[](int id) {
        return LoadPngFile(std::string(ORVANE_PNG_DIR) + "/" + std::to_string(id) + ".png");
    }};
}

void RunParticleFrames(benchmark::State& state, const std::string& name) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    ParticleRun run(name, width, height, kDensity, PngPictures());
    if (!run.Ok()) {
        state.SkipWithError("unknown effect or pictures missing");
        return;
    }
    run.WarmUp();
    long long dirtyPixels = 0;
    for (auto _ : state) {
        run.Frame();
        const PixelRect dirty = run.Canvas().DirtyRect();
        dirtyPixels +=
            static_cast<long long>(dirty.right - dirty.left) * (dirty.bottom - dirty.top);
    }
    state.counters["particles"] = static_cast<double>(run.Particles());
    state.counters["dirty%"] = 100.0 * static_cast<double>(dirtyPixels) /
                               (static_cast<double>(state.iterations()) * width * height);
}

void EmptyFrame(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, 0);
    FrameCanvas canvas({pixels.data(), width, height, width});
    for (auto _ : state) {
        canvas.BeginFrame();
        benchmark::DoNotOptimize(canvas.DirtyRect());
    }
}

void FrameWrite(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, 0);
    std::uint32_t value = 0;
    for (auto _ : state) {
        std::fill(pixels.begin(), pixels.end(), ++value);
        benchmark::ClobberMemory();
    }
}

void Screens(benchmark::internal::Benchmark* b) {
    b->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
}

const bool kRegistered = [] {
    for (const std::string& name : ParticleRun::Names())
        benchmark::RegisterBenchmark(("Particles/" + name).c_str(), RunParticleFrames, name)
            ->Apply(Screens);
    benchmark::RegisterBenchmark("Particles/EmptyFrame", EmptyFrame)->Apply(Screens);
    benchmark::RegisterBenchmark("Particles/FrameWrite", FrameWrite)->Apply(Screens);
    return true;
}();

} // namespace
} // namespace orvane
