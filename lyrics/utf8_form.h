#pragma once
// The shape of one UTF-8 sequence, for the readers that validate and convert
// lyric text: what a lead byte promises and which continuation bytes keep a
// sequence well formed.

#include <cstddef>
#include <cstdint>

namespace solvane {

struct Utf8Lead {
  std::size_t continuations;  // bytes that must follow the lead
  char32_t bits;              // the lead's share of the code point
  // Range of the first continuation byte; narrower than 0x80..0xBF where a
  // wider one would allow an overlong form, a surrogate or a value past U+10FFFF.
  std::uint8_t firstLow;
  std::uint8_t firstHigh;
};

// False for bytes that cannot start a sequence (ASCII is not asked about;
// continuation bytes, the overlong leads 0xC0 and 0xC1, and 0xF5 and above).
inline bool ReadUtf8Lead(std::uint8_t lead, Utf8Lead& out) {
  if (lead >= 0xC2 && lead <= 0xDF) {
    out = {1, lead & 0x1FU, 0x80, 0xBF};
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    out = {2, lead & 0x0FU, static_cast<std::uint8_t>(lead == 0xE0 ? 0xA0 : 0x80),
           static_cast<std::uint8_t>(lead == 0xED ? 0x9F : 0xBF)};
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    out = {3, lead & 0x07U, static_cast<std::uint8_t>(lead == 0xF0 ? 0x90 : 0x80),
           static_cast<std::uint8_t>(lead == 0xF4 ? 0x8F : 0xBF)};
  } else {
    return false;
  }
  return true;
}

// How many bytes from `bytes[at]` (a byte past ASCII) belong to its
// sequence: all of them when it is whole and well formed (`whole`), else the
// maximal well-formed prefix that one replacement character stands for (at
// least the lead itself).
struct Utf8Span {
  std::size_t length;
  bool whole;
};

inline Utf8Span ReadUtf8Span(const std::uint8_t* bytes, std::size_t length, std::size_t at) {
  Utf8Lead form{};
  if (!ReadUtf8Lead(bytes[at], form)) {
    return {1, false};
  }
  std::size_t taken = 1;
  while (taken <= form.continuations && at + taken < length) {
    const std::uint8_t follow = bytes[at + taken];
    const std::uint8_t low = taken == 1 ? form.firstLow : 0x80;
    const std::uint8_t high = taken == 1 ? form.firstHigh : 0xBF;
    if (follow < low || follow > high) {
      break;
    }
    ++taken;
  }
  return {taken, taken == form.continuations + 1};
}

}  // namespace solvane
