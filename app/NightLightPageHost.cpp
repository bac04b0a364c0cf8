#include "app/NightLightPageHost.h"

#include "app/OrvaneApp.h"
#include "core/HelpLinks.h"
#include "core/SettingsKeys.h"
#include "framework/Browser.h"

namespace orvane {

COptions& CProgramNightLightPageHost::Options() {
    return m_app.Options();
}

const CTranslate& CProgramNightLightPageHost::Texts() {
    return m_app.Translator();
}

CNightShift* CProgramNightLightPageHost::NightLight() {
    return m_app.NightShift();
}

void CProgramNightLightPageHost::OpenHelp(const wchar_t* pageKey) {
    OpenInBrowser(HelpAddress(pageKey, m_app.Options().GetString(key::strLanguage)));
}

bool CProgramNightLightPageHost::IsUserAdmin() {
    return m_app.IsUserAdmin();
}

bool CProgramNightLightPageHost::RestartAsAdmin() {
    return m_app.RestartAsAdmin();
}

CChangeNotice& CProgramNightLightPageHost::PageChanges() {
    return m_app.PageChanges();
}

} // namespace orvane
