#include "effects/CursorEffectWindow.h"

#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "effects/SpriteResource.h"
#include "resources/ids_effects.h"

namespace orvane {
namespace {

// The pictures first to first + count − 1; one that fails to load is left out.
std::vector<Sprite> LoadSpriteRange(int first, int count) {
    std::vector<Sprite> sprites;
    for (int id = first; id < first + count; ++id)
        if (std::optional<Sprite> sprite = LoadSprite(id))
            sprites.push_back(std::move(*sprite));
    return sprites;
}

} // namespace

CDlgEffectCursor::CDlgEffectCursor(COptions& options)
    : CDlgEffectOverlay(options, EffectId::Cursor, IDD_EFFECT_OVERLAY) {}

void CDlgEffectCursor::SetMode(const std::wstring& mode) {
    m_effect.SetMode(mode);
    if (m_effect.Mode() == CursorMode::ClickExplosion && m_effect.ExplosionFrames().empty())
        m_effect.SetExplosionFrames(LoadSpriteRange(kFirstExplosionFrame, kExplosionFrames));
    else if (m_effect.Mode() == CursorMode::ClickFlowers && m_effect.Flowers().empty())
        m_effect.SetFlowers(LoadSpriteRange(kFirstFlower, kFlowers));
}

void CDlgEffectCursor::ReadSettings() {
    SetMode(Options().GetString(key::strEffectCursorEffect).substr(0, kLongestModeName));
}

void CDlgEffectCursor::DrawFrame(ICanvas& canvas) {
    POINT cursor = {};
    GetCursorPos(&cursor);
    ScreenToClient(m_hWnd, &cursor);
    // In the scene's pixels, which the frame scales up to the screen's.
    const float scale = SceneScale();
    PointerState pointer;
    pointer.x = static_cast<int>(cursor.x / scale);
    pointer.y = static_cast<int>(cursor.y / scale);
    pointer.screenWidth = static_cast<int>(GetSystemMetrics(SM_CXSCREEN) / scale);
    pointer.screenHeight = static_cast<int>(GetSystemMetrics(SM_CYSCREEN) / scale);
    pointer.leftButtonDown = [] { return GetAsyncKeyState(VK_LBUTTON) != 0; };
    m_effect.DrawFrame(canvas, pointer);
}

void CDlgEffectCursor::ReleaseEffect() {
    m_effect.Stop();
}

} // namespace orvane
