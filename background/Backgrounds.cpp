#include "background/Backgrounds.h"

#include "core/Options.h"
#include "core/SettingsKeys.h"

namespace orvane {
namespace {

constexpr BackgroundKind kOrder[] = {BackgroundKind::Video, BackgroundKind::Web,
                                     BackgroundKind::Screensaver};

std::size_t Index(BackgroundKind kind) {
    return static_cast<std::size_t>(kind);
}

} // namespace

CBackgrounds::CBackgrounds(COptions& options, std::function<void()> refreshPages,
                           std::function<void()> showError)
    : m_options(options), m_refreshPages(std::move(refreshPages)),
      m_showError(std::move(showError)) {}

const wchar_t* CBackgrounds::EnableKey(BackgroundKind kind) {
    switch (kind) {
    case BackgroundKind::Video:
        return key::fWallaperVideoEnable;
    case BackgroundKind::Web:
        return key::fWallaperWebEnable;
    case BackgroundKind::Screensaver:
        return key::fWallaperScreensaverEnable;
    }
    return L"";
}

void CBackgrounds::Install(BackgroundKind kind, std::unique_ptr<CDesktopBackground> background) {
    m_backgrounds[Index(kind)] = std::move(background);
}

CDesktopBackground* CBackgrounds::Get(BackgroundKind kind) const {
    return m_backgrounds[Index(kind)].get();
}

void CBackgrounds::StopOne(BackgroundKind kind) {
    if (CDesktopBackground* background = Get(kind))
        background->Stop();
}

void CBackgrounds::Set(BackgroundKind kind, bool enable) {
    const wchar_t* key = EnableKey(kind);
    if (!enable) {
        m_options.SetBool(key, false);
        StopOne(kind);
        return;
    }
    m_options.SetBool(key, true);
    CDesktopBackground* background = Get(kind);
    if (!background || !background->Start()) {
        m_showError();
        m_options.SetBool(key, false);
        m_refreshPages();
        return;
    }
    for (BackgroundKind other : kOrder) {
        if (other == kind || !m_options.GetBool(EnableKey(other)))
            continue;
        m_options.SetBool(EnableKey(other), false);
        StopOne(other);
        m_refreshPages();
    }
}

void CBackgrounds::StartFromSettings() {
    for (BackgroundKind kind : kOrder)
        if (m_options.GetBool(EnableKey(kind)))
            Set(kind, true);
}

void CBackgrounds::StopForExit() {
    for (BackgroundKind kind : kOrder)
        if (m_options.GetBool(EnableKey(kind)))
            StopOne(kind);
}

void CBackgrounds::ReleaseAll() {
    for (auto& background : m_backgrounds)
        background.reset();
}

void CBackgrounds::ChangeVideoEngine(int engine) {
    const bool running = m_options.GetBool(EnableKey(BackgroundKind::Video));
    if (running) {
        m_options.SetBool(EnableKey(BackgroundKind::Video), false);
        StopOne(BackgroundKind::Video);
    }
    m_options.SetInt(key::iWallaperVideoEngine, engine);
    if (running)
        Set(BackgroundKind::Video, true);
}

} // namespace orvane
