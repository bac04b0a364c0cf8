// Frame rate and CPU of an effect window as the program runs it, for docs/performance.md.
//   orvane_wine_framerate EFFECT [SECONDS [DENSITY]]
// EFFECT is a sprite effect's name (LeafFall, FallingPetals, RainFlowers, Sweets, Hearts,
// Balloons, Dandelions, LeavesInTheWind) or a particle effect's (SpaceFlight, Confetti,
// Rain, Smoke, or Cursor:MODE with a cursor mode's stored name, whose window follows the
// real pointer), run at the density (9 unless given); or
// "floor": a layered window of the same size that hands an empty frame to the system
// every 20 ms with the whole window as the dirty rectangle, the cost of showing frames
// at all; or "floor-small": the same with a 64 × 64 dirty rectangle.
//   orvane_wine_framerate draw EFFECT [FRAMES [DENSITY [WIDTH HEIGHT]]]
// The program's own cost of a frame of the effect (clear, simulate, draw), without showing
// it: milliseconds per frame over FRAMES frames (1000 unless given) after the warm-up, at
// the overlay's size unless given. Besides the effects above, EFFECT may be Fireflies,
// Lightning, Garland:Lights, Garland:Icicles or Empty (a frame that draws nothing).
#include "FrameRun.h"
#include "ParticleRun.h"
#include "core/Options.h"
#include "effects/EffectFactory.h"
#include "effects/SpriteResource.h"
#include "framework/Gdiplus.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace orvane;

struct Named {
    const char* name;
    const SpriteEffectKind& (*kind)();
};

const Named kEffects[] = {
    {"LeafFall", LeafFallKind},       {"FallingPetals", FallingPetalsKind},
    {"RainFlowers", RainFlowersKind}, {"Sweets", SweetsKind},
    {"Hearts", HeartsKind},           {"Balloons", BalloonsKind},
    {"Dandelions", DandelionsKind},   {"LeavesInTheWind", LeavesInTheWindKind},
};

const SpriteEffectKind* KindNamed(const char* name) {
    for (const Named& named : kEffects)
        if (std::strcmp(name, named.name) == 0)
            return &named.kind();
    return nullptr;
}

template <class Frame> double MillisecondsPerFrame(Frame frame, int frames) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < frames; ++i)
        frame();
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart) / frames;
}

// Milliseconds per frame of the effect drawn off screen at the overlay's size.
int MeasureDraw(const char* name, const SpriteEffectKind& kind, int frames, int density,
                SIZE size) {
    std::vector<Sprite> sprites;
    for (int id : SpriteIdsOf(kind))
        if (auto sprite = LoadSprite(id))
            sprites.push_back(std::move(*sprite));
    FrameRun run(kind, std::move(sprites), size.cx, size.cy, density);
    run.WarmUp();
    const double ms = MillisecondsPerFrame([&] { run.Frame(); }, frames);
    std::printf("draw %s %ldx%ld density=%d frames=%d ms/frame=%.3f kept=%.1fMB\n", name, size.cx,
                size.cy, density, frames, ms,
                static_cast<double>(run.KeptBytes()) / (1024.0 * 1024.0));
    return 0;
}

// The same for a particle effect, drawn through the overlay's frame canvas.
int MeasureParticleDraw(const char* name, int frames, int density, SIZE size) {
    ParticleRun run(name, size.cx, size.cy, density, {[](int id) { return LoadSprite(id); }});
    if (!run.Ok()) {
        std::fprintf(stderr, "unknown effect\n");
        return 2;
    }
    run.WarmUp();
    const double ms = MillisecondsPerFrame([&] { run.Frame(); }, frames);
    std::printf("draw %s %ldx%ld density=%d frames=%d ms/frame=%.3f particles=%u\n", name, size.cx,
                size.cy, density, frames, ms, static_cast<unsigned>(run.Particles()));
    return 0;
}

// The window of a particle effect started as its page starts it.
std::unique_ptr<CDlgEffectOverlay> StartParticleEffect(const char* name, int density,
                                                       COptions& options) {
    struct Particle {
        const char* name;
        EffectId id;
        const wchar_t* densityKey;
    };
    static const Particle kParticles[] = {
        {"SpaceFlight", EffectId::SpaceFlight, L"iEffectSpaceFlightDensity"},
        {"Confetti", EffectId::Confetti, L"iEffectConfettiDensity"},
        {"Rain", EffectId::Rain, L"iEffectRainDensity"},
        {"Smoke", EffectId::Smoke, L"iEffectSmokeDensity"},
    };
    EffectId id = EffectId::Cursor;
    if (std::strncmp(name, "Cursor:", 7) == 0) {
        const std::string mode = name + 7;
        options.SetString(L"strEffectCursorEffect", std::wstring(mode.begin(), mode.end()));
    } else {
        const Particle* found = nullptr;
        for (const Particle& particle : kParticles)
            if (std::strcmp(name, particle.name) == 0)
                found = &particle;
        if (!found)
            return nullptr;
        id = found->id;
        options.SetInt(found->densityKey, density);
    }
    std::unique_ptr<CDlgEffectOverlay> effect = CreateEffect(id, options);
    effect->StartEffect();
    return effect;
}

double CpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](FILETIME t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

// Counts the frame timer's ticks of one window while running the message loop.
int RunLoop(HWND window, DWORD ms) {
    int frames = 0;
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < ms && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == window && message.wParam == 1)
            ++frames;
        DispatchMessageW(&message);
    }
    return frames;
}

// The floor: an empty premultiplied frame over the same area, shown every tick.
struct Floor {
    HWND window = nullptr;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN) - 1;
    RECT dirty;

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<Floor*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (message == WM_TIMER && self) {
            POINT origin = {0, 0};
            SIZE size = {self->width, self->height};
            BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
            UPDATELAYEREDWINDOWINFO info = {sizeof info, nullptr, &origin, &size,     self->dc,
                                            &origin,     0,       &blend,  ULW_ALPHA, &self->dirty};
            UpdateLayeredWindowIndirect(hwnd, &info);
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    explicit Floor(bool small) : dirty{0, 0, small ? 64 : width, small ? 64 : height} {
        WNDCLASSW cls = {};
        cls.lpfnWndProc = Proc;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.lpszClassName = L"OrvaneFloor";
        RegisterClassW(&cls);
        window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW,
                                 cls.lpszClassName, L"", WS_POPUP, 0, 0, width, height, nullptr,
                                 nullptr, cls.hInstance, nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB};
        void* bits = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc = CreateCompatibleDC(nullptr);
        SelectObject(dc, bitmap);
        ShowWindow(window, SW_SHOWNA);
        SetTimer(window, 1, 20, nullptr);
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(
            stderr, "usage: orvane_wine_framerate EFFECT|floor|floor-small [SECONDS [DENSITY]]\n"
                    "       orvane_wine_framerate draw EFFECT [FRAMES [DENSITY [WIDTH HEIGHT]]]\n");
        return 2;
    }
    GdiplusSession gdiplus;
    if (std::strcmp(argv[1], "draw") == 0) {
        const SpriteEffectKind* kind = argc > 2 ? KindNamed(argv[2]) : nullptr;
        const int frames = argc > 3 ? std::atoi(argv[3]) : 1000;
        const int density = argc > 4 ? std::atoi(argv[4]) : 9;
        // The overlay's size: the screen less its bottom row.
        SIZE size = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) - 1};
        if (argc > 6)
            size = {std::atoi(argv[5]), std::atoi(argv[6])};
        if (size.cx <= 0 || size.cy <= 0 || frames <= 0) {
            std::fprintf(stderr, "bad size or frame count\n");
            return 2;
        }
        if (!kind && argc > 2)
            return MeasureParticleDraw(argv[2], frames, density, size);
        if (!kind) {
            std::fprintf(stderr, "unknown effect\n");
            return 2;
        }
        return MeasureDraw(argv[2], *kind, frames, density, size);
    }
    const DWORD ms = (argc > 2 ? std::atoi(argv[2]) : 30) * 1000;
    const int density = argc > 3 ? std::atoi(argv[3]) : 9;
    COptions options;
    std::unique_ptr<CDlgEffectOverlay> effect;
    std::unique_ptr<Floor> floor;
    HWND window = nullptr;
    if (std::strncmp(argv[1], "floor", 5) == 0) {
        floor = std::make_unique<Floor>(std::strcmp(argv[1], "floor-small") == 0);
        window = floor->window;
    } else {
        if (const SpriteEffectKind* kind = KindNamed(argv[1])) {
            options.SetInt(kind->densityKey, density);
            effect = CreateEffect(kind->id, options);
            effect->StartEffect();
            window = effect->GetSafeHwnd();
        } else if ((effect = StartParticleEffect(argv[1], density, options))) {
            window = effect->GetSafeHwnd();
        }
    }
    if (!window) {
        std::fprintf(stderr, "unknown effect %s\n", argv[1]);
        return 2;
    }
    // The first seconds fill the screen; measure the steady state after them.
    RunLoop(window, 5000);
    const double cpuBefore = CpuSeconds();
    const DWORD start = GetTickCount();
    const int frames = RunLoop(window, ms);
    const double elapsed = (GetTickCount() - start) / 1000.0;
    const double cpu = CpuSeconds() - cpuBefore;
    std::printf("%s density=%d frames=%d seconds=%.1f fps=%.1f cpu=%.0f%%\n", argv[1],
                effect ? density : 0, frames, elapsed, frames / elapsed, 100.0 * cpu / elapsed);
    return 0;
}
