#include "playlist/name_order.h"

#include <cstddef>

namespace solvane {
namespace {

bool IsDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }

// Lower case for the alphabets that have a simple one-to-one case pair in the
// first code page blocks: ASCII, Latin-1, Greek and Cyrillic. Other units
// compare as they are.
char16_t FoldCase(char16_t unit) {
  if (unit >= u'A' && unit <= u'Z') {
    return static_cast<char16_t>(unit + 0x20);
  }
  if (unit >= 0xC0 && unit <= 0xDE && unit != 0xD7) {  // À..Þ without ×
    return static_cast<char16_t>(unit + 0x20);
  }
  if (unit >= 0x391 && unit <= 0x3AB && unit != 0x3A2) {  // Α..Ϋ
    return static_cast<char16_t>(unit + 0x20);
  }
  if (unit >= 0x410 && unit <= 0x42F) {  // А..Я
    return static_cast<char16_t>(unit + 0x20);
  }
  if (unit >= 0x400 && unit <= 0x40F) {  // Ѐ..Џ
    return static_cast<char16_t>(unit + 0x50);
  }
  return unit;
}

// The digit run starting at `start`, without its leading zeros (a run of
// zeros alone keeps nothing, which is the value 0).
std::u16string_view DigitRunValue(std::u16string_view text, std::size_t start, std::size_t& end) {
  end = start;
  while (end < text.size() && IsDigit(text[end])) {
    ++end;
  }
  std::size_t first = start;
  while (first < end && text[first] == u'0') {
    ++first;
  }
  return text.substr(first, end - first);
}

// Compares two digit runs by value, however long they are: more significant
// digits make the larger number, equal lengths compare digit by digit.
int CompareDigitRuns(std::u16string_view left, std::u16string_view right) {
  if (left.size() != right.size()) {
    return left.size() < right.size() ? -1 : 1;
  }
  const int order = left.compare(right);
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

// The order without the exact-character tie-break: negative, 0 or positive.
int CompareLoosely(std::u16string_view left, std::u16string_view right) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < left.size() && j < right.size()) {
    if (IsDigit(left[i]) && IsDigit(right[j])) {
      std::size_t leftEnd = 0;
      std::size_t rightEnd = 0;
      const int order = CompareDigitRuns(DigitRunValue(left, i, leftEnd),
                                         DigitRunValue(right, j, rightEnd));
      if (order != 0) {
        return order;
      }
      i = leftEnd;
      j = rightEnd;
      continue;
    }
    const char16_t a = FoldCase(left[i]);
    const char16_t b = FoldCase(right[j]);
    if (a != b) {
      return a < b ? -1 : 1;
    }
    ++i;
    ++j;
  }
  const bool leftDone = i == left.size();
  const bool rightDone = j == right.size();
  if (leftDone && rightDone) {
    return 0;
  }
  return leftDone ? -1 : 1;
}

}  // namespace

bool NameOrderLess(std::u16string_view left, std::u16string_view right) {
  const int order = CompareLoosely(left, right);
  return order != 0 ? order < 0 : left < right;
}

}  // namespace solvane
