#include "MessagePump.h"

namespace orvane::test {

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    const auto timeLeft = [&] {
        const DWORD waited = GetTickCount() - start;
        return waited < timeoutMs ? timeoutMs - waited : 0;
    };
    for (;;) {
        // A round ends when the queue is empty or the time is up: an effect whose frames
        // outlast its timer's period always has the next tick waiting.
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
            if (timeLeft() == 0)
                break;
        }
        if (condition())
            return true;
        const DWORD left = timeLeft();
        if (left == 0)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, left < 20 ? left : 20, QS_ALLINPUT);
    }
}

void PumpMessages(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

} // namespace orvane::test
