#pragma once
// Recognising a time tag: exactly ten bytes "[mm:ss.xy]" where m, s and x are
// ASCII digits and y may be any byte. Its value in tenths is
// mm * 600 + ss * 10 + x: the seconds are not limited to 59 and y is never
// looked at, so the hundredths are truncated, not rounded.

#include <cstddef>
#include <cstdint>

namespace solvane {

inline constexpr std::size_t kTimeTagLength = 10;
// [99:99.9x], the largest value a tag can carry.
inline constexpr std::int32_t kLargestTagTime = 99 * 600 + 99 * 10 + 9;

namespace time_tag_detail {

inline bool DigitAt(const std::uint8_t* bytes, std::size_t offset, std::int32_t& digit) {
  const auto value = static_cast<std::uint8_t>(bytes[offset] - '0');
  digit = value;
  return value < 10;
}

}  // namespace time_tag_detail

// Reads the tag that starts at `bytes`, of which `available` bytes may be
// read. A tag is recognised only when all ten of its bytes are available.
inline bool ReadTimeTag(const std::uint8_t* bytes, std::size_t available, std::int32_t& tenths) {
  if (available < kTimeTagLength || bytes[0] != '[' || bytes[3] != ':' || bytes[6] != '.' ||
      bytes[9] != ']') {
    return false;
  }
  std::int32_t m1 = 0, m2 = 0, s1 = 0, s2 = 0, d = 0;
  using time_tag_detail::DigitAt;
  if (!DigitAt(bytes, 1, m1) || !DigitAt(bytes, 2, m2) || !DigitAt(bytes, 4, s1) ||
      !DigitAt(bytes, 5, s2) || !DigitAt(bytes, 7, d)) {
    return false;
  }
  tenths = (10 * m1 + m2) * 600 + (10 * s1 + s2) * 10 + d;
  return true;
}

}  // namespace solvane
