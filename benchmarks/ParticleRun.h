#pragma once

// One particle effect (space flight, confetti, rain, smoke or a cursor effect) drawing
// frames into an off-screen buffer through the overlay's frame canvas, as its window does,
// without showing them.
#include "effects/CursorEffect.h"
#include "effects/FrameCanvas.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// The pictures a run may need, loaded by the caller (from PNG files natively, from the
// program's resources under Wine).
struct ParticlePictures {
    std::function<std::optional<Sprite>(int id)> load;
};

class ParticleRun {
public:
    // name: "SpaceFlight", "Confetti", "Rain", "Smoke" (at the density) or "Cursor" with
    // a mode's stored name ("Cursor:TRAIL"), whose pointer circles the middle of the area
    // and clicks every eight frames; "Fireflies" (at the density, colourful), "Lightning",
    // "Garland:Lights" or "Garland:Icicles" (random flash); "Empty", a frame that draws
    // nothing. Seeds the shared generator, so every run draws the
    // same frames. Ok() is false for an unknown name or a missing picture.
    ParticleRun(const std::string& name, int width, int height, int density,
                const ParticlePictures& pictures);
    ParticleRun(const ParticleRun&) = delete;
    ParticleRun& operator=(const ParticleRun&) = delete;
    ~ParticleRun();

    bool Ok() const { return static_cast<bool>(m_frame); }
    // Frames run before measuring: the population of a steady state.
    void WarmUp();
    void Frame();
    FrameCanvas& Canvas() { return m_canvas; }
    // Particles alive after the last frame.
    std::size_t Particles() const { return m_particles(); }

    // The names the benchmarks run, every effect at its heaviest.
    static std::vector<std::string> Names();

private:
    std::vector<std::uint32_t> m_pixels;
    FrameCanvas m_canvas;
    int m_warmUp = 0;
    std::function<void()> m_frame;
    std::function<std::size_t()> m_particles;
    std::shared_ptr<void> m_effect;
};

} // namespace orvane
