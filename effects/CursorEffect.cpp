#include "effects/CursorEffect.h"

#include "effects/ParticleList.h"
#include "framework/Random.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace orvane {
namespace {

constexpr const wchar_t* kModeNames[] = {
    L"BUBBLES",     L"CLICK_EXPLOSION", L"CLICK_FLOWERS", L"DOTS",   L"FAIRY_DUST",
    L"FLASH_LIGHT", L"MARKER_PEN",      L"INTERSECTION",  L"PENCIL", L"TRAIL"};

constexpr std::uint32_t kFairyColours[] = {0xFFFF00FFu, 0xFF00FF00u, 0xFF00FFFFu, 0xFFFFFF00u};
constexpr float kPi = 3.14159265f;

float Unit() {
    return static_cast<float>(Rand()) / static_cast<float>(kRandMax);
}

// −1 or +1 with even odds.
float Side() {
    return Unit() < 0.5f ? -1.0f : 1.0f;
}

// The low eight bits of a channel that may have run below zero.
std::uint32_t Channel(double value) {
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(value)) & 0xFFu;
}

} // namespace

CursorMode CursorModeByName(const std::wstring& name) {
    for (std::size_t i = 0; i < std::size(kModeNames); ++i)
        if (name == kModeNames[i])
            return static_cast<CursorMode>(i + 1);
    return CursorMode::None;
}

void CursorEffect::SetMode(const std::wstring& name) {
    m_latch = false;
    const CursorMode mode = CursorModeByName(name);
    if (mode == CursorMode::None)
        return;
    m_mode = mode;
    switch (mode) {
    case CursorMode::Bubbles:
        m_bubbles.clear();
        break;
    case CursorMode::ClickExplosion:
        m_explosions.clear();
        break;
    case CursorMode::ClickFlowers:
        m_flowersShown.clear();
        break;
    case CursorMode::FairyDust:
        m_dust.clear();
        break;
    default:
        break;
    }
}

void CursorEffect::Stop() {
    m_points.clear();
    m_bubbles.clear();
    m_dust.clear();
    m_explosions.clear();
    m_flowersShown.clear();
    m_explosionFrames.clear();
    m_flowers.clear();
}

bool CursorEffect::Moved(const PointerState& p) const {
    return p.x != m_lastX || p.y != m_lastY;
}

void CursorEffect::Record(const PointerState& p) {
    m_lastX = p.x;
    m_lastY = p.y;
}

bool CursorEffect::Clicked(const PointerState& p) {
    if (p.leftButtonDown() && !m_latch) {
        m_latch = true;
        return true;
    }
    if (!p.leftButtonDown())
        m_latch = false;
    return false;
}

void CursorEffect::DrawFrame(ICanvas& canvas, const PointerState& pointer) {
    switch (m_mode) {
    case CursorMode::None:
        break;
    case CursorMode::Bubbles:
        Bubbles(canvas, pointer);
        break;
    case CursorMode::ClickExplosion:
        Explosions(canvas, pointer);
        break;
    case CursorMode::ClickFlowers:
        Flowers(canvas, pointer);
        break;
    case CursorMode::Dots:
        Dots(canvas, pointer);
        break;
    case CursorMode::FairyDust:
        FairyDust(canvas, pointer);
        break;
    case CursorMode::FlashLight:
        FlashLight(canvas, pointer);
        break;
    case CursorMode::MarkerPen:
    case CursorMode::Pencil:
    case CursorMode::Trail:
        Lines(canvas, pointer);
        break;
    case CursorMode::Intersection:
        Intersection(canvas, pointer);
        break;
    }
}

void CursorEffect::Bubbles(ICanvas& canvas, const PointerState& pointer) {
    if (Moved(pointer)) {
        PARTICLE_BUBBLES b{};
        b.x = static_cast<float>(pointer.x);
        b.y = static_cast<float>(pointer.y);
        const float side = Side();
        b.vx = Unit() / 10.0f * side;
        b.vy = static_cast<float>(-0.4 - static_cast<double>(Unit()));
        b.life = kBubbleLife;
        m_bubbles.push_back(b);
        Record(pointer);
    }
    canvas.SetSmoothing(true);
    const Pen outline{Color::Argb(0x403A92C5u), 1.0f};
    const Color fill = Color::Argb(0x80E6F1F7u);
    WalkParticles(m_bubbles, [&](PARTICLE_BUBBLES& b, std::size_t) {
        b.x += b.vx;
        b.y += b.vy;
        b.vy -= Unit() / 600.0f; // rising ever faster
        if (--b.life < 0)
            return false;
        // From 1 pixel when new to 6 at the end.
        const float d = static_cast<float>(
            std::round((static_cast<double>(kBubbleLife - b.life) / kBubbleLife + 0.2) * 5));
        canvas.DrawEllipse(b.x - d / 2, b.y - d / 2, d, d, outline);
        canvas.FillEllipse(b.x - d / 2, b.y - d / 2, d, d, fill);
        return true;
    });
}

void CursorEffect::Explosions(ICanvas& canvas, const PointerState& pointer) {
    if (Clicked(pointer) && !m_explosionFrames.empty()) {
        const Sprite& first = m_explosionFrames.front();
        m_explosions.push_back(
            {pointer.x - first.Width() / 2 - 3, pointer.y - first.Height() / 2 + 9, -1});
    }
    canvas.SetSmoothing(false);
    const auto frames = static_cast<std::int32_t>(m_explosionFrames.size());
    WalkParticles(m_explosions, [&](ANIMATION& a, std::size_t) {
        if (++a.frame >= frames)
            return false;
        canvas.DrawSprite(m_explosionFrames[static_cast<std::size_t>(a.frame)], a.x, a.y, 0);
        return true;
    });
}

void CursorEffect::Flowers(ICanvas& canvas, const PointerState& pointer) {
    if (Clicked(pointer) && !m_flowers.empty()) {
        const Sprite& image =
            m_flowers[static_cast<std::size_t>(Rand() % static_cast<int>(m_flowers.size()))];
        m_flowersShown.push_back({&image, static_cast<float>(pointer.x - image.Width() / 2),
                                  static_cast<float>(pointer.y - image.Height() / 2), 0,
                                  kFlowerLife});
    }
    canvas.SetSmoothing(false);
    WalkParticles(m_flowersShown, [&](FLOWER& f, std::size_t) {
        --f.life;
        if (f.life >= kFlowerLife - kFullScale + 1 && f.life <= kFlowerLife)
            ++f.scale; // growing from the centre
        else if (f.life >= 1 && f.life <= kFullScale)
            --f.scale; // shrinking back
        else if (f.life == 0)
            return false;
        const double w = f.image->Width(), h = f.image->Height();
        const double sw = std::round(static_cast<double>(f.scale) / kFullScale * w);
        const double sh = std::round(static_cast<double>(f.scale) / kFullScale * h);
        canvas.DrawImage(*f.image, static_cast<float>((w - sw) * 0.5 + f.x),
                         static_cast<float>((h - sh) * 0.5 + f.y), static_cast<float>(sw),
                         static_cast<float>(sh));
        return true;
    });
}

void CursorEffect::Dots(ICanvas& canvas, const PointerState& pointer) {
    if (std::abs(pointer.x - m_lastX) > kDotMove || std::abs(pointer.y - m_lastY) > kDotMove) {
        m_points.push_back({pointer.x, pointer.y, 0});
        Record(pointer);
    }
    canvas.SetSmoothing(true);
    const Color black = Color::Argb(0xFF000000u);
    WalkParticles(m_points, [&](PARTICLE& p, std::size_t) {
        if (++p.age >= kPointLife + 1)
            return false;
        canvas.FillEllipse(static_cast<float>(p.x - 2), static_cast<float>(p.y - 2), 4, 4, black);
        return true;
    });
}

void CursorEffect::FairyDust(ICanvas& canvas, const PointerState& pointer) {
    if (Moved(pointer)) {
        PARTICLE_FAIRY_DUST g{};
        g.x = static_cast<float>(pointer.x - 10);
        g.y = static_cast<float>(pointer.y - 10);
        const float side = Side();
        g.vx = Unit() * 0.5f * side;
        g.vy = 1.0f; // falling
        g.life = kFairyDustLife;
        g.colour = kFairyColours[Rand() % 4];
        m_dust.push_back(g);
        Record(pointer);
    }
    canvas.SetSmoothing(true);
    WalkParticles(m_dust, [&](PARTICLE_FAIRY_DUST& g, std::size_t) {
        g.x += g.vx;
        g.y += g.vy;
        if (--g.life < 0)
            return false;
        const float em =
            static_cast<float>(std::round(static_cast<double>(g.life) / kFairyDustLife * 16.0));
        DrawAsterisk(canvas, g.x, g.y, em, Color::Argb(g.colour));
        return true;
    });
}

void CursorEffect::FlashLight(ICanvas& canvas, const PointerState& pointer) {
    canvas.SetSmoothing(false);
    canvas.FillRadialGlow(static_cast<float>(pointer.x - 50), static_cast<float>(pointer.y - 50),
                          100, 100, Color::Argb(0xFFFFFACDu), Color::Argb(0x00FFFF00u));
}

void CursorEffect::Lines(ICanvas& canvas, const PointerState& pointer) {
    if (Moved(pointer)) {
        m_points.push_back({pointer.x, pointer.y, 0});
        Record(pointer);
    }
    canvas.SetSmoothing(true);
    Pen pen;
    if (m_mode == CursorMode::MarkerPen)
        pen = {Color::Argb(0x80FF0000u), 6.0f, LineCap::Flat, LineJoin::Round};
    else if (m_mode == CursorMode::Pencil)
        pen = {Color::Argb(0xFF000000u), 1.0f};
    std::optional<PointF> before;
    WalkParticles(m_points, [&](PARTICLE& p, std::size_t) {
        if (++p.age > kPointLife)
            return false;
        const PointF at{static_cast<float>(p.x), static_cast<float>(p.y)};
        if (m_mode == CursorMode::Trail) {
            // Thinning from 5 pixels to none, the colour running out of range at both ends.
            const float l = static_cast<float>(p.age) / kPointLife;
            const double g = std::floor(200.0 - (1.0 - static_cast<double>(l)) * 255.0);
            const double r = std::floor(200.0 - static_cast<double>(l) * 255.0);
            const std::uint32_t argb =
                0xFF000000u + Channel(r) * 65536u + Channel(g) * 256u + 0xFFu;
            pen = {Color::Argb(argb), (1.0f - l) * 5.0f, LineCap::Round, LineJoin::Round};
            canvas.DrawLine(at, before.value_or(at), pen);
        } else if (before) {
            canvas.DrawLine(at, *before, pen);
        }
        before = at;
        return true;
    });
}

void CursorEffect::Intersection(ICanvas& canvas, const PointerState& pointer) {
    canvas.SetSmoothing(false);
    const Pen pen{Color::Argb(0x80FF0000u), 1.0f};
    // Whole coordinates are pixel centres in GDI+ and pixel edges on the canvas: half a
    // pixel on, each line covers one row or column.
    const float x = static_cast<float>(pointer.x) + 0.5f, y = static_cast<float>(pointer.y) + 0.5f;
    canvas.DrawLine({x, 0}, {x, static_cast<float>(pointer.screenHeight)}, pen);
    canvas.DrawLine({0, y}, {static_cast<float>(pointer.screenWidth), y}, pen);
}

void DrawAsterisk(ICanvas& canvas, float x, float y, float emSize, Color colour) {
    if (!(emSize > 0))
        return;
    // Arial's asterisk: 0.39 em wide after the layout's leading sixth of an em, its arms
    // reaching 0.15 em from a centre 0.33 em below the top of the line.
    const float cx = x + emSize * (1.0f / 6.0f + 0.195f), cy = y + emSize * 0.33f;
    const float reach = emSize * 0.15f, thickness = emSize * 0.075f;
    for (int arm = 0; arm < 5; ++arm) {
        const float angle = arm * 72.0f;
        const float radians = angle * kPi / 180.0f;
        canvas.FillRotatedRect(cx + std::sin(radians) * reach / 2,
                               cy - std::cos(radians) * reach / 2, thickness, reach, angle, colour);
    }
}

} // namespace orvane
