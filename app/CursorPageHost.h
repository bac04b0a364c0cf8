#pragma once

#include "personalize/CursorPageHost.h"

namespace orvane {

class COrvaneApp;

// The Cursor page's host in the program: the application object's settings, texts and
// program folder, and the system's own cursors.
class CProgramCursorPageHost final : public ICursorPageHost {
public:
    explicit CProgramCursorPageHost(COrvaneApp& app) : m_app(app) {}

    COptions& Options() override;
    const CTranslate& Texts() override;
    std::wstring ProgramFolder() override;
    CCursorSystem& Cursors() override;
    void OpenHelp(const wchar_t* pageKey) override;

private:
    COrvaneApp& m_app;
};

} // namespace orvane
