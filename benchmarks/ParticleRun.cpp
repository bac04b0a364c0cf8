#include "ParticleRun.h"

#include "effects/Confetti.h"
#include "effects/EffectCatalog.h"
#include "effects/Fireflies.h"
#include "effects/Garland.h"
#include "effects/Lightning.h"
#include "effects/Rain.h"
#include "effects/Smoke.h"
#include "effects/SpaceFlight.h"
#include "framework/Random.h"

#include <cmath>

namespace orvane {
namespace {

constexpr int kSmokePuff = 542;
constexpr int kFirstExplosionFrame = 605, kExplosionFrames = 48;
constexpr int kFirstFlower = 481, kFlowers = 30;
constexpr int kClickEvery = 8;

// A density effect: its simulation, the target of the density, the warm-up it needs.
template <class Effect, class Count>
void Bind(std::shared_ptr<void>& holder, std::function<void()>& frame,
          std::function<std::size_t()>& particles, std::shared_ptr<Effect> effect,
          FrameCanvas& canvas, int target, Count count) {
    holder = effect;
    frame = [effect, &canvas, target] { effect->DrawFrame(canvas, target); };
    particles = [effect, count] { return count(*effect); };
}

std::vector<Sprite> LoadAll(const ParticlePictures& pictures, int first, int count) {
    std::vector<Sprite> sprites;
    for (int id = first; id < first + count; ++id)
        if (std::optional<Sprite> sprite = pictures.load(id))
            sprites.push_back(std::move(*sprite));
    return sprites;
}

} // namespace

ParticleRun::ParticleRun(const std::string& name, int width, int height, int density,
                         const ParticlePictures& pictures)
    : m_pixels(static_cast<std::size_t>(width) * height, 0),
      m_canvas({m_pixels.data(), width, height, width}) {
    SeedRandom(1);
    if (name == "SpaceFlight") {
        auto flight = std::make_shared<SpaceFlight>();
        flight->Begin(width, height);
        Bind(m_effect, m_frame, m_particles, flight, m_canvas,
             DensityTargetCount(EffectId::SpaceFlight, density, width, height),
             [](const SpaceFlight& f) { return f.Stars().size(); });
        m_warmUp = 300;
    } else if (name == "Confetti") {
        auto confetti = std::make_shared<Confetti>();
        confetti->Begin(width, height);
        Bind(m_effect, m_frame, m_particles, confetti, m_canvas,
             DensityTargetCount(EffectId::Confetti, density, width, height),
             [](const Confetti& c) { return c.Pieces().size(); });
        m_warmUp = 40; // the burst still rising, every piece on the screen
    } else if (name == "Rain") {
        auto rain = std::make_shared<Rain>();
        rain->Begin(width, height);
        Bind(m_effect, m_frame, m_particles, rain, m_canvas,
             DensityTargetCount(EffectId::Rain, density, width, height),
             [](const Rain& r) { return r.Drops().size(); });
        m_warmUp = 200;
    } else if (name == "Smoke") {
        std::optional<Sprite> puff = pictures.load(kSmokePuff);
        if (!puff)
            return;
        auto smoke = std::make_shared<Smoke>();
        smoke->SetSprite(std::move(puff));
        smoke->Begin(width, height);
        Bind(m_effect, m_frame, m_particles, smoke, m_canvas,
             DensityTargetCount(EffectId::Smoke, density, width, height),
             [](const Smoke& s) { return s.Puffs().size(); });
        m_warmUp = 50;
    } else if (name == "Fireflies") {
        auto fireflies = std::make_shared<Fireflies>();
        fireflies->Begin(width, height);
        fireflies->SetColourful(true);
        Bind(m_effect, m_frame, m_particles, fireflies, m_canvas,
             DensityTargetCount(EffectId::Fireflies, density, width, height),
             [](const Fireflies& f) { return f.List().size(); });
        m_warmUp = 100;
    } else if (name == "Lightning") {
        // Averaged over strikes and quiet frames alike.
        auto lightning = std::make_shared<Lightning>();
        lightning->Begin(width, height);
        m_effect = lightning;
        m_frame = [this, lightning] { lightning->DrawFrame(m_canvas); };
        m_particles = [lightning] { return lightning->Bolts().size(); };
        m_warmUp = 100;
    } else if (name == "Garland:Lights" || name == "Garland:Icicles") {
        // Every bulb drawn each frame, in random flash as at the fastest speed.
        std::vector<std::optional<Sprite>> sprites;
        for (int id : kGarlandSpriteIds) {
            sprites.push_back(pictures.load(id));
            if (!sprites.back())
                return;
        }
        auto garland = std::make_shared<Garland>(
            name == "Garland:Lights" ? kMulticolorLights : kIcicleLights, kRandomFlash);
        garland->SetSprites(std::move(sprites));
        m_effect = garland;
        m_frame = [this, garland] {
            garland->Tick();
            garland->DrawFrame(m_canvas);
        };
        m_particles = [] { return std::size_t{0}; };
        m_warmUp = 100;
    } else if (name == "Empty") {
        // The floor: clearing and finishing a frame that draws nothing.
        m_frame = [] {};
        m_particles = [] { return std::size_t{0}; };
    } else if (name.rfind("Cursor:", 0) == 0) {
        auto cursor = std::make_shared<CursorEffect>();
        cursor->SetMode(std::wstring(name.begin() + 7, name.end()));
        if (cursor->Mode() == CursorMode::None)
            return;
        cursor->SetExplosionFrames(LoadAll(pictures, kFirstExplosionFrame, kExplosionFrames));
        cursor->SetFlowers(LoadAll(pictures, kFirstFlower, kFlowers));
        if (cursor->ExplosionFrames().size() != kExplosionFrames ||
            cursor->Flowers().size() != kFlowers)
            return;
        auto tick = std::make_shared<int>(0);
        m_effect = cursor;
        m_frame = [this, cursor, tick, width, height] {
            // Round the middle once every four seconds, 300 pixels out.
            const double angle = ++*tick * 2 * 3.14159265358979 / 200;
            PointerState pointer;
            pointer.x = width / 2 + static_cast<int>(std::lround(300 * std::cos(angle)));
            pointer.y = height / 2 + static_cast<int>(std::lround(300 * std::sin(angle)));
            pointer.screenWidth = width;
            pointer.screenHeight = height;
            const bool down = *tick % kClickEvery == 0;
            pointer.leftButtonDown = [down] { return down; };
            cursor->DrawFrame(m_canvas, pointer);
        };
        m_particles = [cursor] {
            return cursor->Points().size() + cursor->Bubbles().size() + cursor->FairyDust().size() +
                   cursor->Explosions().size() + cursor->FlowersShown().size();
        };
        m_warmUp = 1000; // flowers live 999 frames
    }
}

ParticleRun::~ParticleRun() = default;

void ParticleRun::Frame() {
    m_canvas.BeginFrame();
    m_frame();
}

void ParticleRun::WarmUp() {
    for (int i = 0; i < m_warmUp; ++i)
        Frame();
}

std::vector<std::string> ParticleRun::Names() {
    std::vector<std::string> names = {"SpaceFlight", "Confetti", "Rain", "Smoke"};
    for (const char* mode : {"BUBBLES", "CLICK_EXPLOSION", "CLICK_FLOWERS", "DOTS", "FAIRY_DUST",
                             "FLASH_LIGHT", "MARKER_PEN", "INTERSECTION", "PENCIL", "TRAIL"})
        names.push_back(std::string("Cursor:") + mode);
    return names;
}

} // namespace orvane
