#include "ProcessCounters.h"
#include "ShellWindowsFixture.h"
#include "framework/Handle.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::ShellWindowsFixture;

// The soak reads Orvane's counters from outside the program. Under Wine each counter
// needs a way of its own, a 32-bit reader on 64-bit Wine included.
TEST(ProcessCounters, AnotherProcessShowsItsGdiAndUserObjectsHandlesAndMemory) {
    ShellWindowsFixture fixture({L"taskbar", L"app:one", L"app:two", L"layered:three"});
    ASSERT_TRUE(fixture.Ready());
    DWORD id = 0;
    GetWindowThreadProcessId(ShellWindowsFixture::Taskbar(), &id);
    UniqueHandleKernel process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id));
    ASSERT_TRUE(process);

    // Its windows' classes hold brushes and icons, and each window a DC or region.
    EXPECT_GT(test::GdiObjectCount(process.get()), 3);
    EXPECT_GE(test::UserObjectCount(process.get()), 4) << "the four windows at least";
    EXPECT_GT(test::HandleCount(process.get()), 0);
    EXPECT_GT(test::PrivateBytes(process.get()), 64 * 1024);
}

} // namespace
} // namespace orvane
