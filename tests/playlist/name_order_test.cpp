#include "playlist/name_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace solvane {
namespace {

struct OrderCase {
  std::u16string_view first;
  std::u16string_view second;
};

// Each pair is in order: the first sorts strictly before the second.
TEST(NameOrderTest, PairsInOrder) {
  const OrderCase cases[] = {
      {u"Track 1", u"Track 2"},
      {u"Track 2", u"track 10"},      // digits by value, case ignored
      {u"track 9.mp3", u"Track 10.mp3"},
      {u"a", u"B"},                   // case ignored
      {u"B", u"b"},                   // equal but for case: exact characters decide
      {u"Song.MP3", u"song.mp3"},
      {u"01", u"1"},                  // equal value: exact characters decide
      {u"1", u"02"},
      {u"007", u"8"},
      {u"a", u"a1"},                  // a prefix comes first
      {u"a1", u"ab"},                 // digits before letters, as in the code table
      {u"x 99999999999999999999", u"x 100000000000000000000"},  // longer than any integer
      {u"\u00c4ra", u"\u00e4rb"},     // Latin-1 letters fold too
      {u"\u0410\u0431", u"\u0430\u0432"},  // and Cyrillic
      {u"", u"a"},
  };
  for (const OrderCase& c : cases) {
    EXPECT_TRUE(NameOrderLess(c.first, c.second))
        << std::string(c.first.begin(), c.first.end()) << " < "
        << std::string(c.second.begin(), c.second.end());
    EXPECT_FALSE(NameOrderLess(c.second, c.first))
        << std::string(c.second.begin(), c.second.end()) << " !< "
        << std::string(c.first.begin(), c.first.end());
  }
}

TEST(NameOrderTest, NoNameComesBeforeItself) {
  for (const std::u16string_view name : {u"", u"a", u"Track 10", u"007"}) {
    EXPECT_FALSE(NameOrderLess(name, name));
  }
}

// Sorting a shuffled album gives the one order people expect, whatever the
// starting order; the order is total, so std::sort needs nothing more.
TEST(NameOrderTest, SortsAnAlbumAsPeopleExpect) {
  const std::vector<std::u16string> expected = {
      u"01 Intro.mp3", u"2 Rise.mp3", u"03 fall.mp3", u"9 Nine.mp3", u"10 Ten.mp3",
      u"11 eleven.mp3", u"Bonus", u"bonus", u"Bonus 2", u"bonus 10"};
  std::vector<std::u16string> names = expected;
  std::reverse(names.begin(), names.end());
  std::rotate(names.begin(), names.begin() + 3, names.end());
  do {
    std::vector<std::u16string> sorted = names;
    std::sort(sorted.begin(), sorted.end(),
              [](const std::u16string& a, const std::u16string& b) { return NameOrderLess(a, b); });
    ASSERT_EQ(sorted, expected);
  } while (std::next_permutation(names.begin(), names.begin() + 4));
}

}  // namespace
}  // namespace solvane
