#pragma once

#include "nightlight/NightLightPageHost.h"

namespace orvane {

class COrvaneApp;

// The Night Light page's host in the program: the application object's settings, texts,
// controller, elevation and page notice.
class CProgramNightLightPageHost final : public INightLightPageHost {
public:
    explicit CProgramNightLightPageHost(COrvaneApp& app) : m_app(app) {}

    COptions& Options() override;
    const CTranslate& Texts() override;
    CNightShift* NightLight() override;
    void OpenHelp(const wchar_t* pageKey) override;
    bool IsUserAdmin() override;
    bool RestartAsAdmin() override;
    CChangeNotice& PageChanges() override;

private:
    COrvaneApp& m_app;
};

} // namespace orvane
