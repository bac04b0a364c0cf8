#include "background/LivePage.h"

#include "background/BackgroundPageHost.h"
#include "core/SystemAccess.h"
#include "core/Translate.h"
#include "resources/ids_videoweb.h"

#include <shlwapi.h>

#include <vector>

namespace orvane {
namespace {

const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
const wchar_t kMaskValue[] = L"UserPreferencesMask";
constexpr unsigned kTextSignOut = 163;
constexpr UINT kHelpIcon = 565;

} // namespace

PreferencesMask ReadPreferencesMask() {
    PreferencesMask mask;
    std::vector<std::uint8_t> bytes(kPreferencesMaskCapacity);
    DWORD type = 0, size = static_cast<DWORD>(bytes.size());
    if (SHGetValueW(HKEY_CURRENT_USER, kDesktopKey, kMaskValue, &type, bytes.data(), &size) !=
        ERROR_SUCCESS)
        return mask;
    bytes.resize(size);
    mask.read = true;
    mask.type = type;
    mask.bytes = std::move(bytes);
    return mask;
}

CLivePage::CLivePage(IBackgroundPageHost& host, UINT templateId, UINT pictureId, int pictureTop,
                     const wchar_t* helpKey)
    : CIllustratedPage(templateId, pictureId, pictureTop, IDC_LIVE_HELP, kHelpIcon), m_host(host),
      m_helpKey(helpKey) {}

BOOL CLivePage::OnInitDialog() {
    const BOOL result = CIllustratedPage::OnInitDialog();
    m_listening = m_host.PageChanges().Listen([this] { Refresh(); });
    return result;
}

void CLivePage::OnDestroy() {
    m_listening.Reset();
    CIllustratedPage::OnDestroy();
}

const std::wstring& CLivePage::Text(unsigned id) const {
    return m_host.Texts().Text(id);
}

void CLivePage::OpenHelp() {
    m_host.OpenHelp(m_helpKey);
}

bool CLivePage::AnimationsBlocked() {
    return orvane::AnimationsBlocked(ReadPreferencesMask());
}

void CLivePage::EnableAnimations() {
    const std::vector<std::uint8_t> bytes = WithAnimationsEnabled(ReadPreferencesMask());
    if (bytes.empty())
        return;
    if (SHSetValueW(HKEY_CURRENT_USER, kDesktopKey, kMaskValue, REG_BINARY, bytes.data(),
                    static_cast<DWORD>(bytes.size())) != ERROR_SUCCESS)
        return;
    if (MessageBoxW(m_hWnd, Text(kTextSignOut).c_str(), L"Orvane", MB_YESNO | MB_ICONQUESTION) ==
        IDYES)
        SignOut();
}

} // namespace orvane
