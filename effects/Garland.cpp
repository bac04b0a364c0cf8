#include "effects/Garland.h"

#include "framework/Random.h"

#include <algorithm>

namespace orvane {
namespace {

constexpr int kColours = 5;
constexpr int kIcicleOverlap = 20;
// Slots of each set's first picture in the load order.
constexpr int kUprightBulbs = 0, kTiltedBulbs = 10, kWhiteBulbs = 20, kUprightStrawberries = 22,
              kTiltedStrawberries = 32, kIcicles = 42;

bool Multicoloured(int kind) {
    return kind == kMulticolorLights || kind == kMulticolorStrawberryLights ||
           kind == kIcicleLights;
}

// Numbers, colours and sections of the bulbs as they are added in drawing order.
class BulbList {
public:
    explicit BulbList(int kind) : m_multicoloured(Multicoloured(kind)) {}

    void Add(int x, int y, int quarterTurns, bool tilted, int section) {
        const int number = static_cast<int>(m_bulbs.size()) + 1;
        const int colour = m_multicoloured ? (number - 1) % kColours + 1 : 1;
        m_bulbs.push_back({x, y, quarterTurns, tilted, colour, number, section});
    }
    std::vector<GarlandBulb> Take() { return std::move(m_bulbs); }

private:
    bool m_multicoloured;
    std::vector<GarlandBulb> m_bulbs;
};

PictureSize Turned(PictureSize size, int quarterTurns) {
    return quarterTurns % 2 ? PictureSize{size.height, size.width} : size;
}

// The frame with a tilted bulb in each corner and upright bulbs along the edges, each
// pointing into the screen.
std::vector<GarlandBulb> FrameWithCorners(int kind, int W, int H, PictureSize upright,
                                          PictureSize tilted) {
    const int w = upright.width, h = upright.height;
    const int nH = (W - 2 * w) / w, nV = (H - 2 * h) / h;
    const int padH = W - 2 * w - nH * w, padV = H - 2 * h - nV * h;
    BulbList bulbs(kind);
    const PictureSize corner[4] = {Turned(tilted, 1), Turned(tilted, 2), Turned(tilted, 3), tilted};
    const PictureSize edge[4] = {Turned(upright, 2), Turned(upright, 3), upright,
                                 Turned(upright, 1)};

    bulbs.Add(0, 0, 1, true, 1);
    for (int i = 0; i < nH; ++i)
        bulbs.Add(w + padH / 2 + i * w, 0, 2, false, 1);
    bulbs.Add(W - corner[1].width, 0, 2, true, 2);
    for (int i = 0; i < nV; ++i)
        bulbs.Add(W - edge[1].width, h + padV / 2 + i * h, 3, false, 2);
    bulbs.Add(W - corner[2].width, H - corner[2].height, 3, true, 3);
    for (int i = 0; i < nH; ++i)
        bulbs.Add(W - (2 * w + padH / 2) - i * w, H - edge[2].height, 0, false, 3);
    bulbs.Add(0, H - corner[3].height, 0, true, 4);
    for (int i = 0; i < nV; ++i)
        bulbs.Add(0, H - (2 * h + padV / 2) - i * h, 1, false, 4);
    return bulbs.Take();
}

// The white bulbs: edges only, the top and bottom edges running into the corners.
std::vector<GarlandBulb> FrameWithoutCorners(int kind, int W, int H, PictureSize bulb) {
    const int w = bulb.width, h = bulb.height;
    const int nH = W / w, nV = (H - 2 * h) / h;
    const int padH = W - nH * w, padV = H - 2 * h - nV * h;
    BulbList bulbs(kind);
    for (int i = 0; i < nH; ++i)
        bulbs.Add(padH / 2 + i * w, 0, 2, false, 1);
    for (int i = 0; i < nV; ++i)
        bulbs.Add(W - w, h + padV / 2 + i * h, 3, false, 2);
    for (int i = 0; i < nH; ++i)
        bulbs.Add(W - w - padH / 2 - i * w, H - h, 0, false, 3);
    for (int i = 0; i < nV; ++i)
        bulbs.Add(0, H - 2 * h - padV / 2 - i * h, 1, false, 4);
    return bulbs.Take();
}

// Strands hanging from the top edge, each overlapping the one before by 20 pixels,
// centred; the quarters of the row are the sections.
std::vector<GarlandBulb> Icicles(int kind, int W, PictureSize strand) {
    const int w = strand.width, step = w - kIcicleOverlap;
    if (step <= 0)
        return {};
    int count = W / w;
    count += count * kIcicleOverlap / step;
    const int quarter = count / 4, half = count / 2;
    const int drawn = count * step;
    int x = drawn == W ? -kIcicleOverlap : (W - drawn) / 2 - kIcicleOverlap;
    BulbList bulbs(kind);
    for (int i = 1; i <= count; ++i, x += step) {
        const int section = i <= quarter ? 1 : i <= half ? 2 : i > 3 * quarter ? 4 : 3;
        bulbs.Add(x, 0, 0, false, section);
    }
    return bulbs.Take();
}

} // namespace

const std::array<int, kGarlandSpriteCount> kGarlandSpriteIds = {
    161, 162, 166, 167, 165, 168, 169, 171, 172, 173, // upright bulbs
    174, 175, 176, 177, 179, 180, 181, 182, 183, 184, // tilted bulbs
    185, 186,                                         // white bulb
    187, 188, 189, 190, 191, 192, 193, 194, 195, 196, // upright strawberries
    197, 198, 199, 200, 201, 202, 203, 204, 205, 206, // tilted strawberries
    207, 208, 209, 210, 211, 212, 213, 214, 215, 216, // icicle strands
};

int GarlandSpriteSlot(int kind, bool tilted, int colour, bool lit) {
    if (colour < 1 || colour > kColours)
        return -1;
    const int pair = 2 * (colour - 1) + (lit ? 1 : 0);
    switch (kind) {
    case kMulticolorLights:
    case kBlueLights:
        return (tilted ? kTiltedBulbs : kUprightBulbs) + pair;
    case kWhiteLights:
        return colour == 1 ? kWhiteBulbs + pair : -1;
    case kMulticolorStrawberryLights:
    case kBlueStrawberryLights:
        return (tilted ? kTiltedStrawberries : kUprightStrawberries) + pair;
    case kIcicleLights:
        return tilted ? -1 : kIcicles + pair;
    default:
        return -1;
    }
}

std::vector<GarlandBulb> GarlandLayout(int kind, int width, int height, PictureSize upright,
                                       PictureSize tilted) {
    if (upright.width <= 0 || upright.height <= 0)
        return {};
    switch (kind) {
    case kMulticolorLights:
    case kBlueLights:
    case kMulticolorStrawberryLights:
    case kBlueStrawberryLights:
        if (tilted.width <= 0 || tilted.height <= 0)
            return {};
        return FrameWithCorners(kind, width, height, upright, tilted);
    case kWhiteLights:
        return FrameWithoutCorners(kind, width, height, upright);
    case kIcicleLights:
        return Icicles(kind, width, upright);
    default:
        return {};
    }
}

int FlashIntervalMs(int speed) {
    // A hand-edited speed must not stop the timer or make it run flat out.
    return 600 - 60 * std::clamp(speed, 1, 9);
}

int NextFlashPhase(int mode, int phase) {
    switch (mode) {
    case kFlashTogether:
    case kChasing:
        return phase == 0 ? 1 : 0;
    case kSections:
        return phase >= 3 ? 0 : phase + 1;
    default:
        return phase;
    }
}

bool BulbLit(int mode, int phase, const GarlandBulb& bulb) {
    switch (mode) {
    case kSteadyOn:
        return true;
    case kFlashTogether:
        return phase != 0;
    case kChasing:
        return (phase == 0) == (bulb.number % 2 == 1);
    case kSections:
        return bulb.section == phase + 1;
    case kRandomFlash:
        return Rand() % 2 == 1;
    default:
        return false;
    }
}

OverlayBox GarlandPlacement(unsigned taskbarState, const WorkArea& workArea) {
    const int shorter = taskbarState == kTaskbarAutoHide ? 1 : 0;
    return {workArea.left, workArea.top, workArea.right - workArea.left,
            workArea.bottom - workArea.top - shorter};
}

void Garland::SetSprites(std::vector<std::optional<Sprite>> sprites) {
    m_sprites = std::move(sprites);
    m_sprites.resize(kGarlandSpriteCount);
}

const Sprite* Garland::Picture(bool tilted, int colour, bool lit) const {
    const int slot = GarlandSpriteSlot(m_kind, tilted, colour, lit);
    if (slot < 0 || static_cast<std::size_t>(slot) >= m_sprites.size() || !m_sprites[slot])
        return nullptr;
    return &*m_sprites[static_cast<std::size_t>(slot)];
}

void Garland::DrawFrame(ICanvas& canvas) {
    auto sizeOf = [&](bool tilted) {
        const Sprite* picture = Picture(tilted, 1, false);
        return picture ? PictureSize{picture->Width(), picture->Height()} : PictureSize{0, 0};
    };
    const std::vector<GarlandBulb> bulbs =
        GarlandLayout(m_kind, canvas.Width(), canvas.Height(), sizeOf(false), sizeOf(true));
    for (const GarlandBulb& bulb : bulbs) {
        const Sprite* picture = Picture(bulb.tilted, bulb.colour, BulbLit(m_mode, m_phase, bulb));
        if (!picture)
            continue;
        // The canvas turns a picture about its centre; a picture that is not square
        // stands with its turned corner where the layout put it.
        const PictureSize turned = Turned({picture->Width(), picture->Height()}, bulb.quarterTurns);
        canvas.DrawSprite(*picture, bulb.x + (turned.width - picture->Width()) / 2,
                          bulb.y + (turned.height - picture->Height()) / 2, 90 * bulb.quarterTurns);
    }
}

} // namespace orvane
