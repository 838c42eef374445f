#include "lyrics/lyric_text.h"

#include <cstdint>
#include <cstring>

#include "lyrics/utf8_form.h"

namespace solvane {

namespace {

void AppendCodePoint(std::u16string& out, char32_t code) {
  if (code >= 0x10000) {
    code -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
  } else {
    out.push_back(static_cast<char16_t>(code));
  }
}

// The code point of a whole, well-formed sequence of 2 to 4 bytes.
char32_t CodePointOf(const std::uint8_t* sequence, std::size_t length) {
  char32_t code = sequence[0] & (0x7FU >> length);  // the lead's share
  for (std::size_t k = 1; k < length; ++k) {
    code = (code << 6) | (sequence[k] & 0x3FU);
  }
  return code;
}

}  // namespace

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
  std::size_t i = 0;
  while (i < length) {
    const std::uint8_t lead = bytes[i];
    if (lead < 0x80) {
      out.push_back(lead);
      ++i;
      continue;
    }
    // A sequence cut short becomes one replacement character and the byte
    // that broke it starts afresh.
    const Utf8Span span = ReadUtf8Span(bytes, length, i);
    if (span.whole) {
      AppendCodePoint(out, CodePointOf(bytes + i, span.length));
    } else {
      out.push_back(kReplacementCharacter);
    }
    i += span.length;
  }
  return out;
}

}  // namespace solvane
