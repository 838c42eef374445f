#pragma once
// Turning a lyric file's bytes into UTF-8 before anything parses them: a UTF-8
// byte-order mark is dropped, UTF-16 with a mark is converted, valid UTF-8 is
// taken as it is, and so is UTF-8 with a few broken sequences (damage, shown
// as U+FFFD); anything else goes to the legacy decoder.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "lyrics/legacy_text_decoder.h"

namespace solvane {

// How the bytes become UTF-8: either they already are from `keepFrom` on
// (valid UTF-8 after a mark of `keepFrom` bytes, or none), or `converted`
// holds the text.
struct Utf8Reading {
  std::size_t keepFrom = 0;
  std::optional<std::string> converted;
};

// One pass over the bytes when they are valid UTF-8. Without a legacy decoder
// bytes of no recognised encoding are kept as they are (shown later with
// replacement characters for what is not UTF-8).
Utf8Reading ReadAsUtf8(std::string_view bytes, const LegacyTextDecoder* legacy);

bool IsValidUtf8(std::string_view bytes);

// UTF-16 code units (no mark) as UTF-8; an unpaired surrogate or a lone last
// byte becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);

// The bytes with each maximal ill-formed sequence replaced by U+FFFD.
std::string ReplaceInvalidUtf8(std::string_view bytes);

}  // namespace solvane
