#include "lyrics/name_case.h"

#include <algorithm>

namespace solvane {

namespace {

bool InRange(char16_t unit, char16_t first, char16_t last) {
  return unit >= first && unit <= last;
}

char16_t Shifted(char16_t unit, int by) { return static_cast<char16_t>(unit + by); }

// Latin Extended-A pairs each capital with the small letter after it; the
// pairs start on even units except in the two runs that start on odd ones.
char16_t FoldLatinExtendedA(char16_t unit) {
  const bool oddCapitals = InRange(unit, u'\u0139', u'\u0148') || InRange(unit, u'\u0179', u'\u017E');
  const bool paired = InRange(unit, u'\u0100', u'\u012F') || InRange(unit, u'\u0132', u'\u0137') ||
                      InRange(unit, u'\u014A', u'\u0177') || oddCapitals;
  if (!paired) {
    return unit == u'\u0178' ? u'\u00FF' : unit;
  }
  const bool capital = (unit % 2 == 1) == oddCapitals;
  return capital ? Shifted(unit, 1) : unit;
}

}  // namespace

char16_t FoldCase(char16_t unit) {
  if (InRange(unit, u'A', u'Z')) {
    return Shifted(unit, 0x20);
  }
  if (unit < 0x80) {
    return unit;
  }
  if (InRange(unit, u'\u00C0', u'\u00DE') && unit != u'\u00D7') {
    return Shifted(unit, 0x20);
  }
  if (InRange(unit, u'\u0100', u'\u017F')) {
    return FoldLatinExtendedA(unit);
  }
  if (InRange(unit, u'\u0391', u'\u03AB') && unit != u'\u03A2') {
    return Shifted(unit, 0x20);
  }
  if (InRange(unit, u'\u0400', u'\u040F')) {
    return Shifted(unit, 0x50);
  }
  if (InRange(unit, u'\u0410', u'\u042F')) {
    return Shifted(unit, 0x20);
  }
  return unit;
}

bool SameNameIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
}

}  // namespace solvane
