#pragma once
// The order the browser lists a folder in, which is the order people expect
// to see an album in: letters without regard to case, runs of digits by their
// value ("Track 2" before "Track 10"), and names equal but for case or leading
// zeros by their exact characters, so the order is total.

#include <string_view>

namespace solvane {

// True when `left` comes before `right`.
bool NameOrderLess(std::u16string_view left, std::u16string_view right);

}  // namespace solvane
