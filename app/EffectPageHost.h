#pragma once

#include "effectpages/EffectPageHost.h"

namespace orvane {

class COrvaneApp;

// The Effects tab's view of the program: the application object's settings, texts,
// effect objects and custom objects, and the user's browser for help.
class CProgramEffectPageHost : public IEffectPageHost {
public:
    explicit CProgramEffectPageHost(COrvaneApp& app) : m_app(app) {}

    COptions& Options() override;
    const CTranslate& Texts() override;
    CEffectGroup* Effect(EffectId id) override;
    CCustomObjects* CustomObjects() override;
    void OpenHelp(const wchar_t* pageKey) override;

private:
    COrvaneApp& m_app;
};

} // namespace orvane
