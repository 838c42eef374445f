#include "app/zero_pages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>

namespace solvane {

namespace {

// Whether the page at `page` (aligned, `size` bytes) holds only zeros; it
// is read a word at a time.
bool AllZero(const unsigned char* page, std::size_t size) {
  std::uint64_t word = 0;
  for (std::size_t at = 0; at < size; at += sizeof word) {
    std::memcpy(&word, page + at, sizeof word);
    if (word != 0) {
      return false;
    }
  }
  return true;
}

// Gives back [start, end); nothing when there is no run (null start).
void Release(unsigned char* start, unsigned char* end) {
  if (start != nullptr && start < end) {
    ::madvise(start, static_cast<std::size_t>(end - start), MADV_DONTNEED);
  }
}

}  // namespace

void ReleaseZeroPages(void* data, std::size_t bytes) {
  const long pageSize = ::sysconf(_SC_PAGESIZE);
  if (data == nullptr || pageSize <= 0) {
    return;
  }
  const auto page = static_cast<std::uintptr_t>(pageSize);
  const auto begin = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t firstPage = (begin + page - 1) / page * page;
  const std::uintptr_t endPage = (begin + bytes) / page * page;
  // Runs of zero pages go back with one call each.
  unsigned char* run = nullptr;
  for (std::uintptr_t at = firstPage; at < endPage; at += page) {
    auto* bytesAt = reinterpret_cast<unsigned char*>(at);
    if (AllZero(bytesAt, page)) {
      run = run != nullptr ? run : bytesAt;
      continue;
    }
    Release(run, bytesAt);
    run = nullptr;
  }
  Release(run, reinterpret_cast<unsigned char*>(endPage));
}

}  // namespace solvane
