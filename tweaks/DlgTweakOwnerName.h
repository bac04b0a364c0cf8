#pragma once

#include "tweaks/DlgTweakPage.h"

namespace orvane {

// The owner name Windows recorded at its installation, edited and saved with Save.
class CDlgTweakOwnerName : public CDlgTweakPage {
public:
    explicit CDlgTweakOwnerName(ITweakPageHost& host);

protected:
    void ReadState() override;
    void DisableInput() override;
    bool OnPageCommand(WORD id, WORD notifyCode) override;

private:
    void Save();
};

} // namespace orvane
