#include "app/CommandLine.h"
#include "app/OrvaneApp.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        orvane::App().InitInstance(orvane::ArgumentsOf(GetCommandLineW()));
    } catch (...) {
        return 1;
    }
    return 0;
}
