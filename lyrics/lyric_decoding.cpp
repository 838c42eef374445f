#include "lyrics/lyric_decoding.h"

#include <cstdint>
#include <cstring>

#include "base/wide_text.h"
#include "lyrics/utf8_form.h"

namespace solvane {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

const std::uint8_t* Unsigned(std::string_view bytes) {
  return reinterpret_cast<const std::uint8_t*>(bytes.data());
}

// Where the first byte past ASCII lies, eight bytes at a time.
std::size_t AsciiRunEnd(const std::uint8_t* bytes, std::size_t at, std::size_t length) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  while (length - at >= sizeof(std::uint64_t)) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes + at, sizeof(word));
    if ((word & kHighBits) != 0) {
      break;
    }
    at += sizeof(word);
  }
  while (at < length && bytes[at] < 0x80) {
    ++at;
  }
  return at;
}

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

bool IsValidUtf8(std::string_view text) {
  const std::uint8_t* bytes = Unsigned(text);
  const std::size_t length = text.size();
  std::size_t at = 0;
  while ((at = AsciiRunEnd(bytes, at, length)) < length) {
    const Utf8Span span = ReadUtf8Span(bytes, length, at);
    if (!span.whole) {
      return false;
    }
    at += span.length;
  }
  return true;
}

std::string ReplaceInvalidUtf8(std::string_view text) {
  const std::uint8_t* bytes = Unsigned(text);
  const std::size_t length = text.size();
  std::string out;
  out.reserve(length);
  std::size_t at = 0;
  while (at < length) {
    const std::size_t asciiEnd = AsciiRunEnd(bytes, at, length);
    out.append(text.substr(at, asciiEnd - at));
    at = asciiEnd;
    if (at == length) {
      break;
    }
    const Utf8Span span = ReadUtf8Span(bytes, length, at);
    out.append(span.whole ? text.substr(at, span.length) : kReplacementUtf8);
    at += span.length;
  }
  return out;
}

std::string Utf16ToUtf8(std::string_view text, bool bigEndian) {
  const std::uint8_t* bytes = Unsigned(text);
  const std::size_t units = text.size() / 2;
  const auto unitAt = [&](std::size_t index) -> char32_t {
    const std::uint8_t first = bytes[2 * index];
    const std::uint8_t second = bytes[2 * index + 1];
    return bigEndian ? static_cast<char32_t>(first << 8 | second) : static_cast<char32_t>(second << 8 | first);
  };
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  for (std::size_t index = 0; index < units; ++index) {
    const char32_t unit = unitAt(index);
    if (IsHighSurrogate(unit) && index + 1 < units && IsLowSurrogate(unitAt(index + 1))) {
      AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(index + 1) - 0xDC00));
      ++index;
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      out.append(kReplacementUtf8);
    } else {
      AppendUtf8(out, unit);
    }
  }
  if (text.size() % 2 != 0) {
    out.append(kReplacementUtf8);
  }
  return out;
}

Utf8Reading ReadAsUtf8(std::string_view bytes, const LegacyTextDecoder* legacy) {
  if (bytes.starts_with(kUtf8Mark)) {
    const std::string_view rest = bytes.substr(kUtf8Mark.size());
    if (IsValidUtf8(rest)) {
      return {kUtf8Mark.size(), std::nullopt};
    }
    return {0, ReplaceInvalidUtf8(rest)};
  }
  if (bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark)) {
    return {0, Utf16ToUtf8(bytes.substr(2), bytes.starts_with(kUtf16BeMark))};
  }
  if (IsValidUtf8(bytes) || legacy == nullptr) {
    return {0, std::nullopt};
  }
  return {0, legacy->ToUtf8(bytes)};
}

}  // namespace solvane
