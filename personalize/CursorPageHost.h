#pragma once

#include <string>

namespace orvane {

class CCursorSystem;
class COptions;
class CTranslate;

// What the Cursor page uses of the program: the settings store, the interface texts, the
// program folder with its cursor themes, the system's cursors and the help page.
class ICursorPageHost {
public:
    virtual ~ICursorPageHost() = default;
    virtual COptions& Options() = 0;
    virtual const CTranslate& Texts() = 0;
    virtual std::wstring ProgramFolder() = 0;
    virtual CCursorSystem& Cursors() = 0;
    // Opens the product's help page of a page key in the user's browser.
    virtual void OpenHelp(const wchar_t* pageKey) = 0;
};

} // namespace orvane
