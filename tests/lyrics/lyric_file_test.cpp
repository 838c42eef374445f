#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "base/wide_text.h"
#include "lyrics/lyric_path.h"
#include "lyrics/lyrics.h"
#include "lyrics/name_case.h"
#include "tests/fakes/watchdog.h"
#include "tests/lyrics/lyric_test_support.h"

namespace solvane {
namespace {

using testing::TempFolder;

std::string ContentOf(const LyricState& lyrics) {
  return {reinterpret_cast<const char*>(lyrics.content.get()), static_cast<std::size_t>(lyrics.size)};
}

std::size_t OpenDescriptors() {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                                std::filesystem::directory_iterator()));
}

class LyricFile : public ::testing::Test {
 protected:
  std::u16string Track(const std::string& name) const { return Wide(folder.Path() + name); }
  bool Load(const std::string& trackName) { return LoadLyricFile(lyrics, Track(trackName)); }

  TempFolder folder;
  LyricState lyrics;
};

TEST_F(LyricFile, ReadsTheFileBesideTheTrackExactly) {
  folder.Write("song.LRC", std::string("[00:01.00]a\r\n\0\xff", 16));
  ASSERT_TRUE(Load("song.mp3"));
  EXPECT_EQ(ContentOf(lyrics), std::string("[00:01.00]a\r\n\0\xff", 16));
}

TEST_F(LyricFile, TracksOfOneNameShareTheirLyricFile) {
  folder.Write("a.LRC", "shared");
  EXPECT_TRUE(Load("a.wma"));
  EXPECT_TRUE(Load("a.mp3"));
  EXPECT_EQ(ContentOf(lyrics), "shared");
}

TEST_F(LyricFile, TracksOfAnyEndingFindTheirLyricFile) {
  folder.Write("x.lrc", "[00:01.00]x");
  std::filesystem::create_directories(folder.Path() + "vol.2");
  folder.Write("vol.2/y.lrc", "[00:01.00]y");
  for (const char* track : {"x.flac", "x.opus", "x.aiff", "x.mp3", "x"}) {
    EXPECT_TRUE(Load(track)) << track;
    EXPECT_EQ(ContentOf(lyrics), "[00:01.00]x") << track;
  }
  EXPECT_TRUE(Load("vol.2/y.flac"));
  EXPECT_EQ(ContentOf(lyrics), "[00:01.00]y");
  EXPECT_FALSE(Load("vol.flac"));
}

// Tag contents as a media file's tags would give them, by path.
class FakeTaggedLyrics : public EmbeddedLyricsReader {
 public:
  std::optional<std::string> TaggedLyrics(const std::string& utf8Path) const override {
    ++asked;
    const auto found = byPath.find(utf8Path);
    if (found == byPath.end()) {
      return std::nullopt;
    }
    return found->second;
  }
  std::map<std::string, std::string> byPath;
  mutable int asked = 0;
};

TEST_F(LyricFile, TimedLyricsInTheTagsStandInForAMissingFile) {
  FakeTaggedLyrics tags;
  tags.byPath[folder.Path() + "timed.mp3"] = "[00:01.50]Tagged line\n";
  tags.byPath[folder.Path() + "new.ogg"] = "[ti:T]\n[0:02.345]Tagged\n";
  tags.byPath[folder.Path() + "plain.mp3"] = "Words without any time\n";
  tags.byPath[folder.Path() + "huge.mp3"] = "[00:01.00]" + std::string(1'000'000, 'a');
  tags.byPath[folder.Path() + "beside.mp3"] = "[00:09.00]from the tags";
  folder.Write("beside.lrc", "[00:01.00]from the file");

  EXPECT_TRUE(LoadLyricFile(lyrics, Track("timed.mp3"), nullptr, &tags));
  EXPECT_EQ(ContentOf(lyrics), "[00:01.50]Tagged line\n");
  EXPECT_TRUE(LoadLyricFile(lyrics, Track("new.ogg"), nullptr, &tags));
  EXPECT_EQ(ContentOf(lyrics), "[ti:T]\n[00:02.34]Tagged\n");
  EXPECT_FALSE(LoadLyricFile(lyrics, Track("plain.mp3"), nullptr, &tags));
  EXPECT_FALSE(LoadLyricFile(lyrics, Track("huge.mp3"), nullptr, &tags));
  EXPECT_FALSE(LoadLyricFile(lyrics, Track("none.mp3"), nullptr, &tags));

  const int askedBefore = tags.asked;
  EXPECT_TRUE(LoadLyricFile(lyrics, Track("beside.mp3"), nullptr, &tags));
  EXPECT_EQ(ContentOf(lyrics), "[00:01.00]from the file");
  EXPECT_EQ(tags.asked, askedBefore);
}

TEST_F(LyricFile, NameInAnotherCaseIsFoundWhenTheExactOneIsMissing) {
  folder.Write("song.lrc", "lower");
  EXPECT_TRUE(Load("song.mp3"));
  EXPECT_EQ(ContentOf(lyrics), "lower");
  folder.Write("SONG.LRC", "upper");
  EXPECT_TRUE(Load("Song.mp3"));
  EXPECT_EQ(ContentOf(lyrics), "upper");  // the byte-wise smallest name
  folder.Write("Song.LRC", "exact");
  EXPECT_TRUE(Load("Song.mp3"));
  EXPECT_EQ(ContentOf(lyrics), "exact");
}

TEST_F(LyricFile, MissingOrUnreadableLyricFileIsRefused) {
  EXPECT_FALSE(Load("none.mp3"));
  std::filesystem::create_directory(folder.Path() + "dir.LRC");
  EXPECT_FALSE(Load("dir.mp3"));
}

// Opening a FIFO or a device to read it could wait for ever; only regular
// files (links followed) are lyric files.
TEST_F(LyricFile, AFifoOrDeviceIsRefusedAtOnce) {
  folder.Write("song.LRC", "[00:01.00]kept\r\n");
  ASSERT_TRUE(Load("song.mp3"));
  const testing::MadeFolder& made = folder.Made();
  made.Fifo("pipe.LRC");
  made.Fifo("upper.lrc");  // found by its name in another case
  std::filesystem::create_symlink(made.Path() / "pipe.LRC", made.Path() / "linked.LRC");
  std::filesystem::create_symlink("/dev/zero", made.Path() / "device.LRC");
  for (const char* track : {"pipe.mp3", "upper.mp3", "linked.mp3", "device.mp3"}) {
    EXPECT_FALSE(::solvane::testing::ReturnsWithin(std::chrono::seconds(5), track,
                                                   [&] { return Load(track); }))
        << track;
  }
}

TEST_F(LyricFile, LimitIsOneMillionBytes) {
  folder.Write("max.LRC", std::string(1'000'000, 'x'));
  folder.Write("over.LRC", std::string(1'000'001, 'x'));
  ASSERT_TRUE(Load("max.mp3"));
  EXPECT_EQ(lyrics.size, 1'000'000);
  EXPECT_FALSE(Load("over.mp3"));
}

TEST_F(LyricFile, EachLoadReplacesTheStorageOfTheLast) {
  folder.Write("big.LRC", std::string(1000, '[') + "[00:01.00]");
  folder.Write("small.LRC", "[00:02.00]");
  ASSERT_TRUE(Load("big.mp3"));
  BuildTagIndex(lyrics);
  ASSERT_TRUE(Load("small.mp3"));
  EXPECT_EQ(lyrics.size, 10);
  EXPECT_EQ(lyrics.tagCount, 0);  // nothing counted in storage that is gone
  BuildTagIndex(lyrics);
  EXPECT_EQ(lyrics.tagIndex[0], 20);
}

TEST_F(LyricFile, EveryWayOutClosesTheFile) {
  folder.Write("ok.LRC", "x");
  folder.Write("big.LRC", std::string(1'000'001, 'x'));
  const std::size_t before = OpenDescriptors();
  for (const char* track : {"ok.mp3", "big.mp3", "none.mp3"}) {
    Load(track);
  }
  EXPECT_EQ(OpenDescriptors(), before);
}

TEST_F(LyricFile, LongestTrackPathLoadsAndALongerOneIsRefused) {
  std::string sub;
  while (folder.Path().size() + sub.size() + 100 < 530) {
    sub += std::string(99, 'd') + "/";
  }
  std::filesystem::create_directories(folder.Path() + sub);
  const std::string name = sub + std::string(535 - folder.Path().size() - sub.size() - 4, 'n');
  folder.Write(name + ".LRC", "deep");
  EXPECT_EQ(Track(name + ".mp3").size(), 535U);
  EXPECT_TRUE(Load(name + ".mp3"));
  EXPECT_FALSE(LoadLyricFile(lyrics, Track(name + ".mp3") + u"x"));
}

TEST_F(LyricFile, NameThatCannotRoundTripNeverOpensAnotherFile) {
  folder.Write("song", "truncated name");
  folder.Write("\xef\xbf\xbd.LRC", "replacement character");
  folder.Write("\xff.lrc", "not UTF-8");
  EXPECT_FALSE(LoadLyricFile(lyrics, Track("song") + std::u16string(1, u'\0') + u"xyz.mp3"));
  EXPECT_FALSE(LoadLyricFile(lyrics, Track("") + std::u16string(1, char16_t{0xD800}) + u".mp3"));
  EXPECT_FALSE(Load("\xc3\xbf.mp3"));  // U+00FF is not the byte 0xFF
  EXPECT_FALSE(LoadLyricFile(lyrics, u"mp3"));
}

TEST(LyricPath, ReplacesTheEndingAfterTheLastDotOfTheName) {
  const struct {
    std::u16string_view track;
    std::u16string_view lyric;
  } cases[] = {
      {u"/music/song.mp3", u"/music/song.LRC"},
      {u"/music/song.flac", u"/music/song.LRC"},
      {u"/music/song.x", u"/music/song.LRC"},
      {u"/music/live.2019.opus", u"/music/live.2019.LRC"},
      {u"/music/vol.2/song", u"/music/vol.2/song.LRC"},
      {u"/music/vol.2/song.aiff", u"/music/vol.2/song.LRC"},
      {u"song.wv", u"song.LRC"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LyricPathFor(c.track), c.lyric) << std::string(c.track.begin(), c.track.end());
  }
  EXPECT_EQ(LyricPathFor(u"/music/"), std::nullopt);
  EXPECT_EQ(LyricPathFor(u""), std::nullopt);
}

TEST(NameCase, FoldsLettersOfCommonAlphabetsOnly) {
  EXPECT_TRUE(SameNameIgnoringCase(u"Song.LRC", u"sONG.lrc"));
  EXPECT_TRUE(SameNameIgnoringCase(u"\u00C9t\u00C9.LRC", u"\u00E9t\u00E9.lrc"));
  EXPECT_TRUE(SameNameIgnoringCase(u"\u0141\u0179\u0100\u0178", u"\u0142\u017A\u0101\u00FF"));
  EXPECT_TRUE(SameNameIgnoringCase(u"\u0394\u0416\u0401", u"\u03B4\u0436\u0451"));
  EXPECT_FALSE(SameNameIgnoringCase(u"\u00D7", u"\u00F7"));
  EXPECT_FALSE(SameNameIgnoringCase(u"song.lrc", u"song.lrcx"));
  EXPECT_FALSE(SameNameIgnoringCase(u"a_b", u"a\u007Fb"));
}

}  // namespace
}  // namespace solvane
