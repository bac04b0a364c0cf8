#pragma once

namespace orvane {

class CChangeNotice;
class COptions;
class CScreensaverCatalogue;
class CTranslate;

// What the Screen Saver page uses of the program: the settings store, the interface
// texts, the system's screen savers with their automatic change, and the notice that
// what the page shows has changed (another screen saver chosen by the automatic change,
// another wallpaper behind the preview).
class IScreensaverPageHost {
public:
    virtual ~IScreensaverPageHost() = default;
    virtual COptions& Options() = 0;
    virtual const CTranslate& Texts() = 0;
    virtual CScreensaverCatalogue& Screensavers() = 0;
    virtual CChangeNotice& PageChanges() = 0;
};

} // namespace orvane
