#include <gtest/gtest.h>

#include <string>

#include "base/wide_text.h"
#include "lyrics/lyric_decoding.h"
#include "lyrics/lyrics.h"
#include "tests/fakes/fake_legacy_decoder.h"
#include "tests/lyrics/lyric_test_support.h"

namespace solvane {
namespace {

using testing::FakeLegacyDecoder;

constexpr const char* kFffd = "\xEF\xBF\xBD";

// The text the reading stands for: the kept bytes or the converted ones.
std::string TextOf(std::string_view bytes, const Utf8Reading& reading) {
  return reading.converted ? *reading.converted : std::string(bytes.substr(reading.keepFrom));
}

struct ValidityCase {
  const char* what;
  std::string bytes;
  bool valid;
};

TEST(Utf8Validity, AcceptsWellFormedTextAndRefusesEveryIllFormedShape) {
  const ValidityCase cases[] = {
      {"empty", "", true},
      {"ascii longer than a word", "[00:01.00]plain words here\r\n", true},
      {"two to four byte forms", "caf\xC3\xA9 \xE6\xAD\x8C \xF0\x9F\x8E\xB5", true},
      {"largest code point", "\xF4\x8F\xBF\xBF", true},
      {"lone continuation", "abcdefgh\x80", false},
      {"overlong two bytes", "\xC0\xAF", false},
      {"overlong three bytes", "\xE0\x80\xAF", false},
      {"surrogate", "\xED\xA0\x80", false},
      {"past U+10FFFF", "\xF4\x90\x80\x80", false},
      {"cut short at the end", "abcdefg\xE6\xAD", false},
      {"windows-1252 accent", "D\xE9j\xE0 vu", false},
      {"GBK pair", "\xC4\xE3\xBA\xC3", false},
  };
  for (const ValidityCase& c : cases) {
    EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.what;
  }
}

struct ReadingCase {
  const char* what;
  std::string bytes;
  std::string text;
};

TEST(ReadAsUtf8, MarksAreHonouredAndValidUtf8IsKeptWithoutACopy) {
  const std::string e9 = "\xC3\xA9";
  const ReadingCase cases[] = {
      {"plain UTF-8", "[00:01.00]caf" + e9, "[00:01.00]caf" + e9},
      {"UTF-8 mark dropped", "\xEF\xBB\xBF[ar:caf" + e9 + "]", "[ar:caf" + e9 + "]"},
      {"mark alone", "\xEF\xBB\xBF", ""},
      {"UTF-16 LE", std::string("\xFF\xFE[\0\xE9\0\x4C\x6B", 8), "[" + e9 + "\xE6\xAD\x8C"},
      {"UTF-16 BE", std::string("\xFE\xFF\0[\0\xE9\x6B\x4C", 8), "[" + e9 + "\xE6\xAD\x8C"},
      {"UTF-16 LE pair", std::string("\xFF\xFE\x3C\xD8\xB5\xDF", 6), "\xF0\x9F\x8E\xB5"},
      {"UTF-16 BE lone surrogates", std::string("\xFE\xFF\xDF\xB5\xD8\x3C\0a", 8),
       std::string(kFffd) + kFffd + "a"},
      {"UTF-16 odd last byte", std::string("\xFF\xFE" "a\0b", 5), std::string("a") + kFffd},
      {"UTF-8 mark then broken bytes", "\xEF\xBB\xBF" "a\xE9z\xE6\xAD", std::string("a") + kFffd + "z" + kFffd},
  };
  const FakeLegacyDecoder legacy("never asked");
  for (const ReadingCase& c : cases) {
    const Utf8Reading reading = ReadAsUtf8(c.bytes, &legacy);
    EXPECT_EQ(TextOf(c.bytes, reading), c.text) << c.what;
  }
  EXPECT_TRUE(legacy.asked.empty());
  EXPECT_FALSE(ReadAsUtf8("[00:01.00]caf" + e9, &legacy).converted) << "valid UTF-8 is not copied";
  EXPECT_FALSE(ReadAsUtf8("\xEF\xBB\xBF" "abc", &legacy).converted) << "nor after its mark";
}

TEST(ReadAsUtf8, OnlyBytesOfNoRecognisedEncodingGoToTheLegacyDecoder) {
  const FakeLegacyDecoder legacy("decoded");
  // A short line with one accented letter in UTF-8 reads as two legacy
  // letters just as well; it must stay UTF-8.
  const std::string shortUtf8 = "[00:01.00]Caf\xC3\xA9\n";
  EXPECT_EQ(TextOf(shortUtf8, ReadAsUtf8(shortUtf8, &legacy)), shortUtf8);
  EXPECT_TRUE(legacy.asked.empty());

  const std::string latin = "[00:01.00]Caf\xE9\n";
  EXPECT_EQ(TextOf(latin, ReadAsUtf8(latin, &legacy)), "decoded");
  ASSERT_EQ(legacy.asked.size(), 1U);
  EXPECT_EQ(legacy.asked[0], latin);

  EXPECT_EQ(TextOf(latin, ReadAsUtf8(latin, nullptr)), latin) << "without a decoder, kept as read";
}

TEST(ReadAsUtf8, UpToOneBrokenSequenceInFiveIsDamageAndStaysUtf8) {
  const std::string e = "\xC3\xA9";  // "é", well formed
  const std::string bad = "\xE9";      // a lone Latin-1 byte
  const struct {
    const char* name;
    std::string bytes;
    bool damaged;
  } cases[] = {
      {"four whole, one broken", "[00:01.00]" + e + e + e + e + bad, true},
      {"three whole, one broken", "[00:01.00]" + e + e + e + bad, false},
      {"eight whole, two broken", "[00:01.00]" + e + bad + e + e + e + e + e + e + e + bad, true},
      {"none whole", "[00:01.00]" + bad, false},
      {"a question mark for a byte", "[00:01.00]" + e + e + e + e + "\xC3?", true},
  };
  for (const auto& c : cases) {
    const FakeLegacyDecoder legacy("decoded");
    const std::string text = TextOf(c.bytes, ReadAsUtf8(c.bytes, &legacy));
    EXPECT_EQ(text == "decoded", !c.damaged) << c.name;
    if (c.damaged) {
      EXPECT_EQ(text, ReplaceInvalidUtf8(c.bytes)) << c.name;
      EXPECT_NE(text.find("\xEF\xBF\xBD"), std::string::npos) << c.name;
    }
  }
}

TEST(ReplaceInvalidUtf8, EachMaximalBrokenSequenceBecomesOneReplacement) {
  EXPECT_EQ(ReplaceInvalidUtf8("a\xF0\x9F\x8E" "b\xC3\xA9\xFF"), std::string("a") + kFffd + "b\xC3\xA9" + kFffd);
}

class LyricFileDecoding : public ::testing::Test {
 protected:
  bool Load(const std::string& name, const LegacyTextDecoder* legacy) {
    return LoadLyricFile(lyrics, Wide(folder.Path() + name + ".mp3"), legacy);
  }
  std::string Content() const {
    return {reinterpret_cast<const char*>(lyrics.content.get()), static_cast<std::size_t>(lyrics.size)};
  }

  testing::TempFolder folder;
  LyricState lyrics;
};

TEST_F(LyricFileDecoding, TheLimitCountsTheFileItselfNotItsUtf8) {
  // U+6B4C takes two bytes in UTF-16 and three in UTF-8.
  std::string utf16 = "\xFF\xFE";
  while (utf16.size() < 1'000'000) {
    utf16 += "\x4C\x6B";
  }
  folder.Write("wide.LRC", utf16);
  folder.Write("over.LRC", utf16 + "a");
  ASSERT_TRUE(Load("wide", nullptr));
  EXPECT_EQ(lyrics.size, 999'999 / 2 * 3);
  EXPECT_FALSE(Load("over", nullptr));

  const FakeLegacyDecoder legacy(std::string(3'000'000, 'x'));
  folder.Write("legacy.LRC", std::string(1'000'000, '\xE9'));
  ASSERT_TRUE(Load("legacy", &legacy));
  EXPECT_EQ(lyrics.size, 3'000'000);
}

TEST_F(LyricFileDecoding, TheTagIndexHasRoomForTheConvertedText) {
  // A five-byte file whose text takes three tags once decoded.
  const std::string tags = testing::TimeTag(10) + testing::TimeTag(20) + testing::TimeTag(30);
  const FakeLegacyDecoder legacy(tags);
  folder.Write("tags.LRC", "\xE9\xE9\xE9\xE9\xE9");
  ASSERT_TRUE(Load("tags", &legacy));
  EXPECT_EQ(Content(), tags);
  BuildTagIndex(lyrics);
  EXPECT_EQ(lyrics.tagCount, 3);
}

TEST_F(LyricFileDecoding, AMarkedFileShrinksInPlace) {
  folder.Write("marked.LRC", "\xEF\xBB\xBF[ti:T]");
  ASSERT_TRUE(Load("marked", nullptr));
  EXPECT_EQ(Content(), "[ti:T]");
}

}  // namespace
}  // namespace solvane
