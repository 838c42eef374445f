#pragma once
// Comparing file names without regard to case, as the handheld's file system
// matches them. Letters of the Latin, Greek and Cyrillic alphabets are folded
// one code unit at a time; every other unit must match exactly.

#include <string_view>

namespace solvane {

char16_t FoldCase(char16_t unit);

bool SameNameIgnoringCase(std::u16string_view a, std::u16string_view b);

}  // namespace solvane
