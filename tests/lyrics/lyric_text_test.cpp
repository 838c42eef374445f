#include "lyrics/lyric_text.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/lyrics/lyric_test_support.h"

namespace solvane {
namespace {

struct TextCase {
  const char* name;
  std::string bytes;
  std::u16string wide;
};

class LyricText : public ::testing::TestWithParam<TextCase> {};

TEST_P(LyricText, ReadsUtf8AndReplacesWhatIsNot) {
  char field[130] = {};
  GetParam().bytes.copy(field, sizeof(field));
  EXPECT_EQ(LyricTextToWide(field, sizeof(field)), GetParam().wide);
}

INSTANTIATE_TEST_SUITE_P(
    Lyrics, LyricText,
    ::testing::Values(
        TextCase{"Ascii", "Hello, world", u"Hello, world"},
        TextCase{"Multibyte", "caf\xc3\xa9 \xe6\x97\xa5 \xf0\x9f\x8e\xb5", u"caf\u00e9 \u65e5 \U0001F3B5"},
        TextCase{"LoneByte", "a\xff" "b", u"a\uFFFDb"},
        TextCase{"Latin1Bytes", "\xe9t\xe9", u"\uFFFDt\uFFFD"},
        TextCase{"CutSequenceThenAscii", "\xe6\x97" "x", u"\uFFFDx"},
        TextCase{"CutSequenceAtEnd", "ab\xf0\x9f\x8e", u"ab\uFFFD"},
        TextCase{"Overlong", "\xc0\x80\xe0\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
        TextCase{"Surrogate", "\xed\xa0\x80", u"\uFFFD\uFFFD\uFFFD"},
        TextCase{"BeyondUnicode", "\xf4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        TextCase{"StrayContinuations", "\x80\xbf", u"\uFFFD\uFFFD"},
        TextCase{"ControlBytesKept", "a\r", u"a\r"}),
    testing::CaseName<TextCase>);

TEST(LyricText, StopsAtTheTerminatorOrTheCapacity) {
  const char unterminated[3] = {'a', 'b', 'c'};
  EXPECT_EQ(LyricTextToWide(unterminated, 2), u"ab");
  EXPECT_EQ(LyricTextToWide("ab\0cd", 5), u"ab");
  const char cutSequence[2] = {'a', '\xc3'};
  EXPECT_EQ(LyricTextToWide(cutSequence, 2), u"a\uFFFD");
}

}  // namespace
}  // namespace solvane
