#pragma once

namespace orvane {

class CChangeNotice;
class CNightShift;
class COptions;
class CTranslate;

// What the Night Light page uses of the program: the settings store, the interface texts,
// the night-light controller, the help page, the administrator rights that lifting the
// system's limit needs, and the notice that the schedule window opened or closed.
class INightLightPageHost {
public:
    virtual ~INightLightPageHost() = default;
    virtual COptions& Options() = 0;
    virtual const CTranslate& Texts() = 0;
    // The controller; null only before start-up has built it.
    virtual CNightShift* NightLight() = 0;
    // Opens the product's help page of a page key in the user's browser.
    virtual void OpenHelp(const wchar_t* pageKey) = 0;
    virtual bool IsUserAdmin() = 0;
    // True when an elevated copy starts and this process is ending.
    virtual bool RestartAsAdmin() = 0;
    virtual CChangeNotice& PageChanges() = 0;
};

} // namespace orvane
