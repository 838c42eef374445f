#pragma once
// Bounded reading of a loaded lyric file's bytes: finding its time tags and
// cutting the runs of text that follow them. Nothing here reads past the last
// byte of the file, and nothing allocates.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "base/utf8.h"
#include "lyrics/lyric_state.h"
#include "lyrics/time_tag.h"

namespace solvane {

// Longest text a lyric line or header field keeps.
inline constexpr std::size_t kLyricTextLimit = kLyricTextField - 1;

struct LyricBytes {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
};

inline LyricBytes ContentOf(const LyricState& lyrics) {
  if (!lyrics.content || lyrics.size <= 0) {
    return {};
  }
  return {lyrics.content.get(), static_cast<std::size_t>(lyrics.size)};
}

// The room the tag index has: one entry per ten bytes of the file.
inline std::int32_t TagIndexCapacity(const LyricState& lyrics) {
  return lyrics.size > 0 ? lyrics.size / static_cast<std::int32_t>(kTimeTagLength) : 0;
}

// Calls visit(offset, tenths) for every time tag of `bytes` in file order, as
// long as visit returns true. Only an opening bracket with ten bytes left can
// start a tag, so the search stops short of the file's last nine bytes.
template <typename Visit>
void ForEachTimeTag(LyricBytes bytes, Visit&& visit) {
  if (bytes.size < kTimeTagLength) {
    return;
  }
  const std::size_t lastStart = bytes.size - kTimeTagLength;
  std::size_t offset = 0;
  while (offset <= lastStart) {
    const void* found = std::memchr(bytes.data + offset, '[', lastStart - offset + 1);
    if (found == nullptr) {
      return;
    }
    offset = static_cast<std::size_t>(static_cast<const std::uint8_t*>(found) - bytes.data);
    std::int32_t tenths = 0;
    if (ReadTimeTag(bytes.data + offset, bytes.size - offset, tenths) && !visit(offset, tenths)) {
      return;
    }
    ++offset;
  }
}

// Length of the run from `from` up to (not including) the first `stop` byte or
// the end of the file, cut to the text limit on a character boundary.
inline std::size_t RunLength(LyricBytes bytes, std::size_t from, std::uint8_t stop) {
  if (from >= bytes.size) {
    return 0;
  }
  const std::size_t available = bytes.size - from;
  const std::size_t searched = available < kLyricTextLimit ? available : kLyricTextLimit;
  const void* found = std::memchr(bytes.data + from, stop, searched);
  if (found != nullptr) {
    return static_cast<std::size_t>(static_cast<const std::uint8_t*>(found) - (bytes.data + from));
  }
  return Utf8CutLength(bytes.data + from, available, kLyricTextLimit);
}

// Copies `length` bytes from `from` into a text field and terminates it.
inline void CopyText(char (&field)[kLyricTextField], LyricBytes bytes, std::size_t from,
                     std::size_t length) {
  if (length > 0) {
    std::memcpy(field, bytes.data + from, length);
  }
  field[length] = '\0';
}

}  // namespace solvane
