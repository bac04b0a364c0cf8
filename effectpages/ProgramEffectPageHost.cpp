#include "effectpages/EffectPageHost.h"

#include "app/HelpLinks.h"
#include "app/OrvaneApp.h"

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
        const std::wstring address = HelpAddress(pageKey, Options().GetString(L"strLanguage"));
        ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
    }
};

} // namespace

IEffectPageHost& ProgramEffectPageHost() {
    static ProgramHost host;
    return host;
}

} // namespace orvane
