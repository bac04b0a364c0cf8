#include "MessagePump.h"

namespace orvane::test {
namespace {

void DispatchWaiting() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace

void PumpMessages(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        DispatchWaiting();
        if (condition())
            return true;
        const DWORD waited = GetTickCount() - start;
        if (waited >= timeoutMs)
            return false;
        const DWORD left = timeoutMs - waited;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, left < 20 ? left : 20, QS_ALLINPUT);
    }
}

} // namespace orvane::test
