#pragma once

#include <windows.h>

#include <functional>

namespace orvane::test {

// Runs this thread's messages, timers included, for that long.
void PumpMessages(DWORD ms);

// Runs this thread's messages until the condition holds (true) or the time is up
// (false); the condition is looked at after each round of messages. A round ends early
// when the time is up, so messages that keep coming (a timer whose handler outlasts its
// period) cannot hold the pump.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs);

} // namespace orvane::test
