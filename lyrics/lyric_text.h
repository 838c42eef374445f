#pragma once
// Lyric texts are raw 8-bit bytes until they are shown. For display they are
// read as UTF-8; bytes that are not valid UTF-8 are shown as U+FFFD, one for
// each maximal invalid sequence, never dropped and never guessed at.

#include <cstddef>
#include <string>

namespace solvane {

inline constexpr char16_t kReplacementCharacter = u'\uFFFD';

// `text` is zero-terminated or ends at `capacity` bytes, whichever comes first.
std::u16string LyricTextToWide(const char* text, std::size_t capacity);

}  // namespace solvane
