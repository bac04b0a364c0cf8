#include "app/CursorPageHost.h"

#include "app/OrvaneApp.h"
#include "core/HelpLinks.h"
#include "core/SettingsKeys.h"
#include "framework/Browser.h"
#include "personalize/CursorTheme.h"

namespace orvane {

COptions& CProgramCursorPageHost::Options() {
    return m_app.Options();
}

const CTranslate& CProgramCursorPageHost::Texts() {
    return m_app.Translator();
}

std::wstring CProgramCursorPageHost::ProgramFolder() {
    return m_app.ProgramFolder();
}

CCursorSystem& CProgramCursorPageHost::Cursors() {
    return SystemCursors();
}

void CProgramCursorPageHost::OpenHelp(const wchar_t* pageKey) {
    OpenInBrowser(HelpAddress(pageKey, m_app.Options().GetString(key::strLanguage)));
}

} // namespace orvane
