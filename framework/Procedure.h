#pragma once

#include <windows.h>

namespace orvane {

// A function of a DLL loaded at run time, cast to its real type (null when missing).
template <class Function> Function GetProcedure(HMODULE module, const char* name) {
    if (!module)
        return nullptr;
    // Through a generic function pointer: a direct cast from FARPROC draws a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace orvane
