#include "app/EffectPageHost.h"

#include "app/OrvaneApp.h"
#include "core/HelpLinks.h"
#include "core/SettingsKeys.h"
#include "framework/Browser.h"

namespace orvane {

COptions& CProgramEffectPageHost::Options() {
    return m_app.Options();
}

const CTranslate& CProgramEffectPageHost::Texts() {
    return m_app.Translator();
}

CEffectGroup* CProgramEffectPageHost::Effect(EffectId id) {
    return m_app.Effect(id);
}

CCustomObjects* CProgramEffectPageHost::CustomObjects() {
    return &m_app.CustomObjects();
}

void CProgramEffectPageHost::OpenHelp(const wchar_t* pageKey) {
    OpenInBrowser(HelpAddress(pageKey, m_app.Options().GetString(key::strLanguage)));
}

} // namespace orvane
