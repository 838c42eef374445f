#include "lyrics/lyric_text.h"

#include <cstdint>
#include <cstring>

#include "base/utf8.h"

namespace solvane {

std::u16string LyricTextToWide(const char* text, std::size_t capacity) {
  if (text == nullptr || capacity == 0) {
    return {};
  }
  const void* terminator = std::memchr(text, '\0', capacity);
  const std::size_t length =
      terminator == nullptr ? capacity : static_cast<std::size_t>(static_cast<const char*>(terminator) - text);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text);

  std::u16string out;
  out.reserve(length);
  // A sequence cut short becomes one replacement character and the byte that
  // broke it starts afresh.
  for (std::size_t at = 0; at < length;) {
    const Utf8Step step = ReadUtf8(bytes, length, at);
    AppendUtf16(out, step.code);
    at += step.length;
  }
  return out;
}

}  // namespace solvane
