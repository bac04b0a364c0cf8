#include "tweaks/TransparencyRules.h"

namespace orvane {

int LayeredAlpha(int percent) {
    return kOpacityRange.Clamp(percent) * 255 / 100;
}

const wchar_t* StartMenuTitle(unsigned uiLanguage) {
    switch (uiLanguage & 0x3FF) {
    case 0x01: // Arabic
        return L"\u0627\u0644\u0628\u062F\u0623";
    case 0x04: // Chinese
        return L"\u5F00\u59CB";
    case 0x0A: // Spanish
        return L"Inicio";
    case 0x0C: // French
        return L"D\u00E9marrer";
    case 0x19: // Russian
        return L"\u041F\u0443\u0441\u043A";
    case 0x39: // Hindi
        return L"\u0938\u094D\u091F\u093E\u0930\u094D\u091F";
    case 0x45: // Bengali
        return L"\u09B6\u09C1\u09B0\u09C1";
    default:
        return L"Start";
    }
}

} // namespace orvane
