#pragma once

#include "tweaks/DlgTweakPage.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvane {

// The systems a tweak is offered on.
enum SystemSet : unsigned {
    kWindows7 = 1,
    kWindows8 = 2,
    kWindows10 = 4,
    kWindows11 = 8,
    kAllSystems = kWindows7 | kWindows8 | kWindows10 | kWindows11,
};

// The set member of a system name ("Windows11", "Windows10", "Windows8", "Windows7",
// exactly); 0 for any other, an empty name included.
unsigned SystemOfName(const std::wstring& systemName);

using TweakPageFactory = std::function<std::unique_ptr<CDlgTweakPage>(ITweakPageHost&)>;

// One tweak of the tree: its group and its name (text ids), the systems it is offered
// on and how its page is made.
struct TweakTreeRow {
    WORD groupText;
    WORD itemText;
    unsigned systems;
    TweakPageFactory createPage;
};

// Every tweak, in the order the tree offers them.
const std::vector<TweakTreeRow>& TweakTreeRows();

} // namespace orvane
