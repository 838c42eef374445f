#pragma once
// A folder's worth of names for the tests of what counts as media: one file
// of every ending of the list in lower case and one in upper case, in the
// order a listing gives them, and names that are not media.

#include <string>
#include <vector>

#include "playlist/media_types.h"

namespace solvane::testing {

// "01 a.avi", "02 A.AVI", "03 a.wmv", ... in name order (the number runs by
// value, two per ending).
inline std::vector<std::u16string> EveryMediaEndingName() {
  std::vector<std::u16string> names;
  int number = 1;
  for (const MediaType& type : kMediaTypes) {
    std::u16string upper(type.ending);
    for (char16_t& unit : upper) {
      unit = unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - u'a' + u'A') : unit;
    }
    for (const std::u16string& name : {u" a." + std::u16string(type.ending), u" A." + upper}) {
      const std::string digits = (number < 10 ? "0" : "") + std::to_string(number);
      ++number;
      names.push_back(std::u16string(digits.begin(), digits.end()) + name);
    }
  }
  return names;
}

inline std::vector<std::u16string> NotMediaNames() {
  return {u"00 notes.txt", u"05 cover.jpg", u"07 a.lrc", u"09 A.LRC", u"99 no ending"};
}

}  // namespace solvane::testing
