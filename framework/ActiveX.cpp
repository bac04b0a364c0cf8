#include "framework/ActiveX.h"

#include "framework/Procedure.h"

namespace orvane {

bool RegisterActiveXHost() {
    static const bool registered = [] {
        HMODULE atl = LoadLibraryW(L"atl.dll"); // stays loaded: its windows may outlive us
        using Init = BOOL(WINAPI*)();
        auto init = GetProcedure<Init>(atl, "AtlAxWinInit");
        return init && init();
    }();
    return registered;
}

ComPtr<IUnknown> HostedControl(HWND host) {
    using GetControl = HRESULT(WINAPI*)(HWND, IUnknown**);
    auto get = GetProcedure<GetControl>(GetModuleHandleW(L"atl.dll"), "AtlAxGetControl");
    ComPtr<IUnknown> control;
    if (get && host)
        get(host, control.receive());
    return control;
}

} // namespace orvane
