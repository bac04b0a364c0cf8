#include "ProcessCounters.h"

#include <winternl.h>

#include <cstdint>

namespace orvane::test {
namespace {

// Wine's GDI handle table entry (include/ntgdi.h), shared through the PEB.
struct WineGdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t userPointer;
};
static_assert(sizeof(WineGdiHandleEntry) == 24, "Wine's layout");
constexpr std::size_t kWineGdiHandleCount = 0x10000;
// Where a process finds the table: PEB::GdiSharedHandleTable, or for a 32-bit process on
// a 64-bit system that of the 64-bit PEB, reached from TEB::GdiBatchCount (Wine's WoW64
// link to the 64-bit TEB) and TEB64::Peb.
constexpr std::size_t kPebGdiTable = sizeof(void*) == 8 ? 0xF8 : 0x94;
constexpr std::size_t kTebGdiBatchCount = 0xF70;
constexpr std::size_t kTeb64Peb = 0x60;
constexpr std::size_t kPeb64GdiTable = 0xF8;

template <class T> T Read(std::uintptr_t address) {
    return *reinterpret_cast<const T*>(address);
}

const WineGdiHandleEntry* WineGdiTable() {
    const auto teb = reinterpret_cast<std::uintptr_t>(NtCurrentTeb());
    const auto peb = reinterpret_cast<std::uintptr_t>(NtCurrentTeb()->ProcessEnvironmentBlock);
    if (const auto table = Read<std::uintptr_t>(peb + kPebGdiTable))
        return reinterpret_cast<const WineGdiHandleEntry*>(table);
    if (sizeof(void*) == 8)
        return nullptr;
    if (const auto teb64 = Read<std::uint32_t>(teb + kTebGdiBatchCount)) {
        const auto peb64 = static_cast<std::uintptr_t>(Read<std::uint64_t>(teb64 + kTeb64Peb));
        return reinterpret_cast<const WineGdiHandleEntry*>(
            static_cast<std::uintptr_t>(Read<std::uint64_t>(peb64 + kPeb64GdiTable)));
    }
    return nullptr;
}

bool UnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

} // namespace

unsigned long GdiObjectCount() {
    if (!UnderWine())
        return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const WineGdiHandleEntry* table = WineGdiTable();
    if (!table)
        return 0;
    unsigned long count = 0;
    for (std::size_t i = 0; i < kWineGdiHandleCount; ++i)
        if (table[i].type)
            ++count;
    return count;
}

std::size_t CommittedBytes() {
    std::size_t total = 0;
    MEMORY_BASIC_INFORMATION region;
    const std::uint8_t* address = nullptr;
    while (VirtualQuery(address, &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type != MEM_IMAGE)
            total += region.RegionSize;
        const std::uint8_t* next =
            static_cast<const std::uint8_t*>(region.BaseAddress) + region.RegionSize;
        if (next <= address)
            break;
        address = next;
    }
    return total;
}

std::size_t HeapBytesInUse() {
    HANDLE heaps[256];
    const DWORD count = GetProcessHeaps(256, heaps);
    std::size_t total = 0;
    for (DWORD i = 0; i < count && i < 256; ++i) {
        if (!HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                total += entry.cbData;
        HeapUnlock(heaps[i]);
    }
    return total;
}

} // namespace orvane::test
