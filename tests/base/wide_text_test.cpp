#include "base/wide_text.h"

#include <gtest/gtest.h>

#include "base/tenths.h"

namespace solvane {
namespace {

TEST(WideText, CopyCutsToTheFieldAndSaysSo) {
  char16_t field[5] = {u'x', u'x', u'x', u'x', u'x'};
  EXPECT_TRUE(WideCopy(field, u"abcd"));
  EXPECT_EQ(WideView(field), u"abcd");
  EXPECT_FALSE(WideCopy(field, u"abcdef"));
  EXPECT_EQ(WideView(field), u"abcd");
}

TEST(WideText, ViewOfAnUnterminatedFieldStopsAtItsEnd) {
  const char16_t field[3] = {u'a', u'b', u'c'};
  EXPECT_EQ(WideView(field), u"abc");
}

TEST(WideText, AppendRefusesWhatWouldNotFitAndLeavesTheField) {
  char16_t field[6] = u"ab";
  EXPECT_TRUE(WideAppend(field, u"cd"));
  EXPECT_FALSE(WideAppend(field, u"ef"));
  EXPECT_EQ(WideView(field), u"abcd");
  EXPECT_TRUE(WideAppend(field, u"e"));
  EXPECT_EQ(WideView(field), u"abcde");
}

TEST(WideText, Utf8RoundTripsAndRefusesWhatCannot) {
  const std::u16string text = u"Bj\u00f6rk \u65e5\u672c \U0001F3B5";
  const auto utf8 = WideToUtf8(text);
  ASSERT_TRUE(utf8.has_value());
  EXPECT_EQ(Utf8ToWide(*utf8), text);

  const char16_t lone[] = {u'a', static_cast<char16_t>(0xD800), u'b'};
  EXPECT_FALSE(WideToUtf8(std::u16string_view(lone, 3)).has_value());
  for (const char* bad : {"\xff", "\xc3", "\xe6\x97", "\xc0\x80", "\xed\xa0\x80"}) {
    EXPECT_FALSE(Utf8ToWide(bad).has_value()) << bad;
  }
}

TEST(WideText, LastSeparatorFollowsTheSharedRule) {
  struct Case {
    std::u16string_view path;
    std::size_t expected;
  };
  const Case cases[] = {
      {u"", 0},           {u"/", 0},         {u"a", 0},
      {u"/Music/", 0},    {u"/Music/Pop/", 6}, {u"/opt/solvane/solvane", 12},
      {u"noslash", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LastSeparator(c.path), c.expected) << std::string(c.path.begin(), c.path.end());
  }
}

TEST(Tenths, ConversionsTruncateTowardZero) {
  EXPECT_EQ(SecondsToTenths(12.37), 123);
  EXPECT_EQ(SecondsToTenths(205.67), 2056);
  EXPECT_EQ(TenthsToWholeSeconds(57), 5.0);
  EXPECT_EQ(TenthsToWholeSeconds(-15), -1.0);
  EXPECT_EQ(SecondsToTenths(1e300), INT32_MAX);
  EXPECT_EQ(SecondsToTenths(-1e300), INT32_MIN);
}

}  // namespace
}  // namespace solvane
