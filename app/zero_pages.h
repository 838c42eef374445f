#pragma once
// Large records start out all zeros and fill only as they are used (a
// playlist of a few entries among hundreds of places). Their constructors
// write every byte, which makes every page of them resident; handing the
// all-zero pages back to the system makes them cost nothing until written
// again, when they come back as zeros.

#include <cstddef>

namespace solvane {

// Gives back to the system the whole pages within `bytes` bytes at `data`
// whose every byte is zero. Reading them afterwards gives zeros as before;
// other pages, and the parts of pages at either end, are left alone. The
// memory must be ordinary private memory of this process (the heap, a
// private anonymous mapping).
void ReleaseZeroPages(void* data, std::size_t bytes);

}  // namespace solvane
