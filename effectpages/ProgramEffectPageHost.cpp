#include "core/SettingsKeys.h"
#include "effectpages/EffectPageHost.h"

#include "core/HelpLinks.h"
#include "app/OrvaneApp.h"
#include "framework/Browser.h"

#include <shellapi.h>

namespace orvane {
namespace {

class ProgramHost : public IEffectPageHost {
public:
    COptions& Options() override { return App().Options(); }
    const CTranslate& Texts() override { return App().Translator(); }
    CDlgEffectOverlay* Effect(EffectId id) override { return App().Effect(id); }
    CCustomObjects* CustomObjects() override { return &App().CustomObjects(); }
    void OpenHelp(const wchar_t* pageKey) override {
        OpenInBrowser(HelpAddress(pageKey, Options().GetString(key::strLanguage)));
    }
};

} // namespace

IEffectPageHost& ProgramEffectPageHost() {
    static ProgramHost host;
    return host;
}

} // namespace orvane
