#pragma once

#include "framework/Page.h"
#include "resources/ids_pages.h"

#include <string>

namespace orvane {

class CDlgTabTweaks : public CPage {
public:
    // systemName picks the catalogue of tweaks: "Windows11", "Windows10", ...
    explicit CDlgTabTweaks(std::wstring systemName)
        : CPage(IDD_TAB_TWEAKS), m_systemName(std::move(systemName)) {}
    const std::wstring& SystemName() const { return m_systemName; }

private:
    std::wstring m_systemName;
};

} // namespace orvane
