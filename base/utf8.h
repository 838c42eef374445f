#pragma once
// The one reader and writer of UTF-8 and UTF-16 that every text conversion of
// the program goes through: a step over one UTF-8 sequence (well formed or
// the maximal ill-formed part that one replacement character stands for),
// and the code point's UTF-8 and UTF-16 forms with their surrogate pairs.

#include <cstddef>
#include <cstdint>
#include <string>

namespace solvane {

inline constexpr char32_t kReplacementCodePoint = 0xFFFD;

// One step of a UTF-8 reading. `length` bytes belong to it (at least one).
// When `whole`, they form the well-formed sequence of `code`; otherwise they
// are the longest start of a sequence that could have been well formed (the
// lone byte when none could), and stand for one U+FFFD.
struct Utf8Step {
  char32_t code;
  std::size_t length;
  bool whole;
};

// Reads the sequence at `bytes[at]`, never past `length`. Overlong forms,
// surrogates and values past U+10FFFF are ill-formed.
Utf8Step ReadUtf8(const std::uint8_t* bytes, std::size_t length, std::size_t at);

// A byte that only ever continues a sequence (0x80 to 0xBF).
inline bool IsUtf8Continuation(std::uint8_t byte) { return (byte & 0xC0U) == 0x80U; }

// How many of the `available` bytes at `text` to keep so that at most
// `limit` are kept and the cut does not fall inside a character: a cut that
// would leave a character's continuation bytes behind moves back to before
// its lead (by at most three bytes, so text that is not UTF-8 still keeps
// nearly all of its limit).
std::size_t Utf8CutLength(const std::uint8_t* text, std::size_t available, std::size_t limit);

// Where the first byte past ASCII lies from `at` on; `length` when none.
std::size_t AsciiRunEnd(const std::uint8_t* bytes, std::size_t at, std::size_t length);

inline bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
inline bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The code point of a high and a low surrogate.
inline char32_t JoinSurrogates(char32_t high, char32_t low) {
  return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

// Appends the UTF-8 form of one code point (at most U+10FFFF) to `out`.
void AppendUtf8(std::string& out, char32_t code);

// Appends the UTF-16 form of one code point (a surrogate pair past U+FFFF).
void AppendUtf16(std::u16string& out, char32_t code);

}  // namespace solvane
