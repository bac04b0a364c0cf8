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

} // namespace orvane::test
