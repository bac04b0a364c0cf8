#pragma once

#include <string>

namespace orvane::test {

// The folder of the running test program, where the fixture programs and files it
// needs are built beside it.
std::wstring TestProgramFolder();

} // namespace orvane::test
