#pragma once

#include "tweaks/DlgTweakPage.h"

namespace orvane {

// Creates the "God Mode" folder, which lists every Control Panel tool, in a folder the
// user picks.
class CDlgTweakAllTasksShortcut : public CDlgTweakPage {
public:
    explicit CDlgTweakAllTasksShortcut(ITweakPageHost& host);

protected:
    bool OnPageCommand(WORD id, WORD notifyCode) override;

private:
    void CreateShortcut();
};

} // namespace orvane
