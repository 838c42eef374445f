#include "lyrics/lyric_decoding.h"

#include <cstdint>
#include <cstring>

#include "base/utf8.h"

namespace solvane {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

const std::uint8_t* Unsigned(std::string_view bytes) {
  return reinterpret_cast<const std::uint8_t*>(bytes.data());
}

// Text that is UTF-8 with some damage has many well-formed sequences for each
// broken one; text in a legacy encoding forms UTF-8 sequences only by chance.
// Measured on lyric texts in GB18030, Big5, Shift-JIS and EUC-KR, one to
// three lines and a few hundred characters: at most one well-formed sequence
// per broken one (0.14 to 0.26 for the longer texts); windows-1252 and
// windows-1251 texts form none at all. Four well-formed sequences per broken
// one keeps a margin of four above the worst of them.
constexpr std::size_t kWholePerBrokenSequence = 4;

struct Utf8Census {
  std::size_t whole = 0;   // well-formed sequences of two to four bytes
  std::size_t broken = 0;  // maximal ill-formed sequences
};

// Counts the sequences past ASCII. With `stopAtFirstBroken` the count ends at
// the first broken one; otherwise it ends as soon as the bytes left could not
// bring the share of well-formed ones up to damage (each needs two bytes).
Utf8Census CountUtf8(std::string_view text, bool stopAtFirstBroken) {
  const std::uint8_t* bytes = Unsigned(text);
  const std::size_t length = text.size();
  Utf8Census census;
  std::size_t at = 0;
  while ((at = AsciiRunEnd(bytes, at, length)) < length) {
    const Utf8Step step = ReadUtf8(bytes, length, at);
    at += step.length;
    if (step.whole) {
      ++census.whole;
      continue;
    }
    ++census.broken;
    if (stopAtFirstBroken ||
        kWholePerBrokenSequence * census.broken > census.whole + (length - at) / 2) {
      break;
    }
  }
  return census;
}

bool IsDamaged(const Utf8Census& census) {
  return census.broken > 0 && census.whole >= kWholePerBrokenSequence * census.broken;
}

}  // namespace

bool IsValidUtf8(std::string_view text) { return CountUtf8(text, true).broken == 0; }

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
    const Utf8Step step = ReadUtf8(bytes, length, at);
    out.append(step.whole ? text.substr(at, step.length) : kReplacementUtf8);
    at += step.length;
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
      AppendUtf8(out, JoinSurrogates(unit, unitAt(index + 1)));
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
  const Utf8Census census = CountUtf8(bytes, false);
  if (census.broken == 0 || legacy == nullptr) {
    return {0, std::nullopt};
  }
  // A few broken sequences in UTF-8 are damage, not another encoding: the
  // rest stays right and only the broken bytes show as U+FFFD.
  if (IsDamaged(census)) {
    return {0, ReplaceInvalidUtf8(bytes)};
  }
  return {0, legacy->ToUtf8(bytes)};
}

}  // namespace solvane
