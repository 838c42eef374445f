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
    Utf8Lead form{};
    if (!ReadUtf8Lead(lead, form)) {
      out.push_back(kReplacementCharacter);
      ++i;
      continue;
    }
    // Take continuation bytes while they fit; a sequence cut short becomes
    // one replacement character and the byte that broke it starts afresh.
    char32_t code = form.bits;
    std::size_t taken = 1;
    while (taken <= form.continuations && i + taken < length) {
      const std::uint8_t follow = bytes[i + taken];
      const std::uint8_t low = taken == 1 ? form.firstLow : 0x80;
      const std::uint8_t high = taken == 1 ? form.firstHigh : 0xBF;
      if (follow < low || follow > high) {
        break;
      }
      code = (code << 6) | (follow & 0x3FU);
      ++taken;
    }
    if (taken == form.continuations + 1) {
      AppendCodePoint(out, code);
    } else {
      out.push_back(kReplacementCharacter);
    }
    i += taken;
  }
  return out;
}

}  // namespace solvane
