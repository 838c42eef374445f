#include "playlist/qt_name_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/wide_text.h"

namespace solvane {
namespace {

struct OrderCase {
  QLocale::Language language;
  std::u16string_view first;
  std::u16string_view second;
};

// Each pair is in order in the locale named: the first is listed strictly
// before the second.
TEST(CollatedNameOrderTest, PairsInOrder) {
  const OrderCase cases[] = {
      {QLocale::English, u"Track 1", u"Track 2"},
      {QLocale::English, u"Track 2", u"track 10"},  // digits by value, case ignored
      {QLocale::English, u"track 9.mp3", u"Track 10.mp3"},
      {QLocale::English, u"x 99999999999999999999", u"x 100000000000000000000"},
      {QLocale::English, u"a", u"B"},
      {QLocale::English, u"\u0142b", u"\u0141za"},  // "łb", "Łza": every alphabet's case
      {QLocale::English, u"\u00e9t\u00e9", u"Ezra"},  // accents weigh after letters
      {QLocale::English, u"\u0410\u0431", u"\u0430\u0432"},
      {QLocale::English, u"\u00c4rger", u"Zebra"},
      {QLocale::Swedish, u"Zebra", u"\u00c4rger"},  // the locale's alphabet
      {QLocale::English, u"B", u"b"},  // equal to the collation: exact characters decide
      {QLocale::English, u"Song.MP3", u"song.mp3"},
      {QLocale::English, u"01", u"1"},
      {QLocale::English, u"1", u"02"},
      {QLocale::English, u"a", u"a1"},
      {QLocale::English, u"", u"a"},
  };
  for (const OrderCase& c : cases) {
    const CollatedNameOrder order{QLocale(c.language)};
    const std::string first = WideToUtf8(c.first).value_or("?");
    const std::string second = WideToUtf8(c.second).value_or("?");
    EXPECT_TRUE(order.Before(c.first, c.second)) << first << " < " << second;
    EXPECT_FALSE(order.Before(c.second, c.first)) << second << " !< " << first;
  }
}

TEST(CollatedNameOrderTest, NoNameComesBeforeItself) {
  const CollatedNameOrder order{QLocale(QLocale::English)};
  for (const std::u16string_view name : {u"", u"a", u"Track 10", u"007", u"\u0141za"}) {
    EXPECT_FALSE(order.Before(name, name));
  }
}

// Sorting a shuffled album gives one order whatever the starting order.
TEST(CollatedNameOrderTest, SortsAnAlbumAsPeopleExpect) {
  const CollatedNameOrder order{QLocale(QLocale::English)};
  const std::vector<std::u16string> expected = {
      u"01 Intro.mp3", u"2 Rise.mp3", u"03 fall.mp3", u"9 Nine.mp3", u"10 Ten.mp3",
      u"11 eleven.mp3", u"Bonus", u"bonus", u"Bonus 2", u"bonus 10"};
  std::vector<std::u16string> names = expected;
  std::reverse(names.begin(), names.end());
  std::rotate(names.begin(), names.begin() + 3, names.end());
  do {
    std::vector<std::u16string> sorted = names;
    std::sort(sorted.begin(), sorted.end(), [&order](const auto& a, const auto& b) {
      return order.Before(a, b);
    });
    ASSERT_EQ(sorted, expected);
  } while (std::next_permutation(names.begin(), names.begin() + 4));
}

// The bare "C" locale collates nothing; its users still see numbers by value
// and case ignored.
TEST(CollatedNameOrderTest, TheCLocaleStillOrdersNumbersAndIgnoresCase) {
  const QLocale before;
  QLocale::setDefault(QLocale::c());
  const CollatedNameOrder order;
  QLocale::setDefault(before);
  EXPECT_TRUE(order.Before(u"Track 2", u"track 10"));
  EXPECT_TRUE(order.Before(u"\u0142b", u"\u0141za"));
}

}  // namespace
}  // namespace solvane
