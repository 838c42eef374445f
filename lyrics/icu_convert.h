#pragma once
// Reading bytes in a named encoding with ICU's converters.

#include <optional>
#include <string>
#include <string_view>

namespace solvane {

// `bytes` read in `encoding` as UTF-8. With `strict`, nothing when any byte
// does not decode; otherwise such bytes become U+FFFD. Nothing when ICU has
// no converter of that name.
std::optional<std::string> ConvertWithIcu(std::string_view bytes, const char* encoding, bool strict);

}  // namespace solvane
