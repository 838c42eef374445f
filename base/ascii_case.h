#pragma once
// Comparing the ASCII words of outside text (switches, URI schemes, host
// names), whose letter case carries no meaning.

#include <algorithm>
#include <string_view>

namespace solvane {

inline bool EqualsIgnoringAsciiCase(std::string_view text, std::string_view word) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return text.size() == word.size() &&
         std::equal(text.begin(), text.end(), word.begin(),
                    [&lower](char a, char b) { return lower(a) == lower(b); });
}

}  // namespace solvane
