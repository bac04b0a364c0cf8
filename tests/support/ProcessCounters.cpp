#include "ProcessCounters.h"

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstdint>
#include <vector>

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
// Another 32-bit process's 64-bit PEB: Wine lays it out one page below the 32-bit one.
constexpr std::size_t kPeb64BelowPeb32 = 0x1000;

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

// An entry in use has a type.
unsigned long EntriesInUse(const WineGdiHandleEntry* table) {
    return static_cast<unsigned long>(
        std::count_if(table, table + kWineGdiHandleCount,
                      [](const WineGdiHandleEntry& entry) { return entry.type != 0; }));
}

// The table of another process, copied out of its memory through its PEB.
long long WineGdiObjects(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic = {};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic,
                                  nullptr) != 0)
        return -1;
    std::uintptr_t table = 0;
    const auto* peb = reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress);
    if (!ReadProcessMemory(process, peb + kPebGdiTable, &table, sizeof table, nullptr))
        return -1;
    if (!table && sizeof(void*) == 4) {
        std::uint64_t table64 = 0;
        if (!ReadProcessMemory(process, peb - kPeb64BelowPeb32 + kPeb64GdiTable, &table64,
                               sizeof table64, nullptr))
            return -1;
        table = static_cast<std::uintptr_t>(table64);
    }
    if (!table)
        return -1;
    std::vector<WineGdiHandleEntry> entries(kWineGdiHandleCount);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                           entries.size() * sizeof(WineGdiHandleEntry), nullptr))
        return -1;
    return EntriesInUse(entries.data());
}

bool UnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// The committed memory of the process's address space in regions of the kinds counted.
template <class Counted> std::size_t CommittedIn(HANDLE process, Counted counted) {
    std::size_t total = 0;
    MEMORY_BASIC_INFORMATION region;
    const std::uint8_t* address = nullptr;
    while (VirtualQueryEx(process, address, &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && counted(region.Type))
            total += region.RegionSize;
        const std::uint8_t* next =
            static_cast<const std::uint8_t*>(region.BaseAddress) + region.RegionSize;
        if (next <= address)
            break;
        address = next;
    }
    return total;
}

struct WindowCount {
    DWORD processId;
    long long count;
};

BOOL CALLBACK CountChild(HWND window, LPARAM context) {
    auto* windows = reinterpret_cast<WindowCount*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == windows->processId)
        ++windows->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM context) {
    CountChild(window, context);
    // Children of every top-level window: a program's windows may live in another's (a
    // desktop background in the shell's).
    EnumChildWindows(window, CountChild, context);
    return TRUE;
}

// The system's handle list, each entry naming the process that owns the handle.
struct SystemHandleEntry {
    USHORT processId;
    USHORT creatorBackTraceIndex;
    UCHAR objectTypeIndex;
    UCHAR handleAttributes;
    USHORT handleValue;
    PVOID object;
    ULONG grantedAccess;
};
struct SystemHandleList {
    ULONG count;
    SystemHandleEntry entries[1];
};
constexpr SYSTEM_INFORMATION_CLASS kSystemHandleInformation =
    static_cast<SYSTEM_INFORMATION_CLASS>(16);
constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004);

long long HandlesInSystemList(DWORD processId) {
    std::vector<std::uint8_t> buffer(1 << 20);
    for (;;) {
        ULONG needed = 0;
        const NTSTATUS status = NtQuerySystemInformation(
            kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == kInfoLengthMismatch && buffer.size() < (64u << 20)) {
            buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed));
            continue;
        }
        if (status != 0)
            return -1;
        const auto* list = reinterpret_cast<const SystemHandleList*>(buffer.data());
        return std::count_if(list->entries, list->entries + list->count,
                             [processId](const SystemHandleEntry& entry) {
                                 return entry.processId == static_cast<USHORT>(processId);
                             });
    }
}

} // namespace

unsigned long GdiObjectCount() {
    if (!UnderWine())
        return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const WineGdiHandleEntry* table = WineGdiTable();
    return table ? EntriesInUse(table) : 0;
}

std::size_t CommittedBytes() {
    return CommittedIn(GetCurrentProcess(), [](DWORD type) { return type != MEM_IMAGE; });
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

long long GdiObjectCount(HANDLE process) {
    return UnderWine() ? WineGdiObjects(process) : GetGuiResources(process, GR_GDIOBJECTS);
}

long long UserObjectCount(HANDLE process) {
    if (!UnderWine())
        return GetGuiResources(process, GR_USEROBJECTS);
    WindowCount windows{GetProcessId(process), 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
    return windows.count;
}

long long HandleCount(HANDLE process) {
    DWORD handles = 0;
    if (GetProcessHandleCount(process, &handles) && handles > 0)
        return handles;
    return HandlesInSystemList(GetProcessId(process));
}

long long PrivateBytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory) &&
        memory.PrivateUsage > 0)
        return static_cast<long long>(memory.PrivateUsage);
    return static_cast<long long>(
        CommittedIn(process, [](DWORD type) { return type == MEM_PRIVATE; }));
}

} // namespace orvane::test
