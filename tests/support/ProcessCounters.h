#pragma once

#include <windows.h>

#include <cstddef>

namespace orvane::test {

// GDI objects this process holds. Windows answers GetGuiResources; Wine answers 0 there,
// so under Wine the process's GDI handle table is counted instead.
unsigned long GdiObjectCount();

// Committed memory this process owns (private and mapped, not program images), summed
// over its address space.
std::size_t CommittedBytes();

// Bytes of the blocks in use in the process's heaps: unlike committed memory, free space a
// heap keeps does not count.
std::size_t HeapBytesInUse();

// The counters of another process, as Task Manager shows them. Wine answers 0 to these
// questions about another process, so there each is read another way; -1 when a counter
// cannot be read.

// GDI objects; under Wine the entries in use of the process's GDI handle table.
long long GdiObjectCount(HANDLE process);
// USER objects; under Wine the windows the process owns wherever they are in the window
// tree, which are most of what a leak of USER objects would be.
long long UserObjectCount(HANDLE process);
// Handles; without an answer, those the system's handle list names the process as owner of.
long long HandleCount(HANDLE process);
// Private bytes; without an answer, its committed private memory summed over its address
// space, which is what that figure counts.
long long PrivateBytes(HANDLE process);

} // namespace orvane::test
