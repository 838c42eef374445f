#include "face/lyric_area.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/wide_text.h"
#include "face/text_styles.h"
#include "base/playlist.h"
#include "tests/face/face_records.h"

namespace solvane {
namespace {

using testing::FaceRecords;
using testing::RecordedText;

constexpr Rgb kRowColour{103, 105, 118};
constexpr Rgb kCurrentColour{254, 252, 180};

// The texts of the lyric area, without the two time texts that end every paint.
std::vector<RecordedText> AreaTexts(const FaceRecords& records) {
  std::vector<RecordedText> texts = records.canvas.texts;
  EXPECT_GE(texts.size(), 2u);
  texts.resize(texts.size() - 2);
  return texts;
}

void Draw(FaceRecords& records) { DrawLyricArea(records.canvas, records.Sources()); }

void FillStartScreen(FaceRecords& records) {
  auto playlist = std::make_unique<Playlist>();
  FillStartScreenTexts(records.startScreen, *playlist);
}

TEST(StartScreenDrawingTest, RowsStandOnTheInformationGridOfTheLargeTallScreen) {
  FaceRecords records(kScreenMode480x800);
  FillStartScreen(records);
  Draw(records);

  const std::vector<RecordedText> texts = AreaTexts(records);
  ASSERT_EQ(texts.size(), 4u);  // rows 4 to 6 are empty and draw nothing
  const int tops[] = {44, 88, 132, 308};
  const char16_t* lines[] = {u"       Morwick     ", u"    Solvane    ",
                             u"      V 0.90B       ", u"   www.morwick.example  "};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].text, lines[i]);
    EXPECT_EQ(texts[i].rect, (TextRect{0, tops[i], 480, 696}));
    EXPECT_EQ(texts[i].alignment, TextAlignment::kCentre);
    EXPECT_EQ(texts[i].style, (TextStyle{"Tahoma", 40, 500, kRowColour}));
  }
}

TEST(StartScreenDrawingTest, ChosenEntryShowsItsNameAloneInRowOne) {
  FaceRecords records(kScreenMode240x320);
  FillStartScreen(records);
  records.player.trackChosen = 1;
  WideCopy(records.player.currentTitle, u"next song.mp3");
  Draw(records);

  const std::vector<RecordedText> texts = AreaTexts(records);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, u"next song.mp3");
  EXPECT_EQ(texts[0].rect, (TextRect{0, 22, 240, 268}));
}

class PlayingTrackTest : public ::testing::Test {
 protected:
  PlayingTrackTest() : records(kScreenMode240x400) {
    records.player.trackLoaded = 1;
    records.player.playing = 1;
    records.player.lyricsPresent = 1;
    WideCopy(records.player.currentTitle, u"track.mp3");
  }

  FaceRecords records;
};

TEST_F(PlayingTrackTest, PlainLayoutHighlightsTheCurrentLine) {
  for (int slot = 0; slot < 14; ++slot) {
    records.SetLine(slot, ("line " + std::to_string(slot)).c_str());
  }
  records.lyrics.lineCount = 14;
  records.lyrics.currentLine = 3;
  Draw(records);

  const std::vector<RecordedText> texts = AreaTexts(records);
  ASSERT_EQ(texts.size(), 12u);  // twelve lyric rows on a tall screen
  for (int row = 0; row < 12; ++row) {
    const RecordedText& text = texts[static_cast<std::size_t>(row)];
    EXPECT_EQ(text.text, u"line " + Wide(std::to_string(row)));
    EXPECT_EQ(text.rect, (TextRect{0, 22 * row + 4, 240, 348}));
    EXPECT_EQ(text.style.colour, row == 3 ? kCurrentColour : kRowColour) << "row " << row;
  }
}

TEST_F(PlayingTrackTest, SlotsBeyondTheLineCountDrawNothing) {
  records.SetLine(0, "first");
  records.SetLine(1, "second");
  records.SetLine(2, "stale text past the window");
  records.lyrics.lineCount = 2;
  Draw(records);
  EXPECT_EQ(AreaTexts(records).size(), 2u);
}

TEST_F(PlayingTrackTest, HeaderLayoutShowsTitleArtistAlbumThenLinesFromRowFive) {
  std::strcpy(records.lyrics.title, "The Title");
  std::strcpy(records.lyrics.artist, "The Artist");
  std::strcpy(records.lyrics.album, "");
  for (int slot = 0; slot < 10; ++slot) {
    records.SetLine(slot, ("line " + std::to_string(slot)).c_str());
  }
  records.lyrics.lineCount = 10;
  records.lyrics.headerShown = 1;
  Draw(records);

  const std::vector<RecordedText> texts = AreaTexts(records);
  ASSERT_EQ(texts.size(), 2u + 7u);  // empty album; rows 5 to 11 show slots 0 to 6
  EXPECT_EQ(texts[0].text, u"The Title");
  EXPECT_EQ(texts[0].rect.top, 26);
  EXPECT_EQ(texts[1].text, u"The Artist");
  EXPECT_EQ(texts[1].rect.top, 48);
  EXPECT_EQ(texts[2].text, u"line 0");
  EXPECT_EQ(texts[2].rect.top, 114);
  EXPECT_EQ(texts.back().text, u"line 6");
  for (const RecordedText& text : texts) {
    EXPECT_EQ(text.style.colour, kRowColour);
  }
}

TEST_F(PlayingTrackTest, LyricBytesThatAreNotUtf8ShowReplacementCharacters) {
  records.SetLine(0, "caf\xE9!");
  records.lyrics.lineCount = 1;
  Draw(records);
  ASSERT_EQ(AreaTexts(records).size(), 1u);
  EXPECT_EQ(AreaTexts(records)[0].text, u"caf\uFFFD!");
}

TEST_F(PlayingTrackTest, TrackWithoutLyricsShowsItsInformation) {
  records.player.lyricsPresent = 0;
  records.player.paused = 1;
  WideCopy(records.trackInfo.mediaTitle, u"Song");
  WideCopy(records.trackInfo.mediaAuthor, u"Singer");
  WideCopy(records.trackInfo.mediaAlbum, u"Album");
  WideCopy(records.trackInfo.mediaBitrate, u"128Kbps");
  WideCopy(records.trackInfo.mediaEncodedBy, u"Encoder");
  Draw(records);

  const std::vector<RecordedText> texts = AreaTexts(records);
  ASSERT_EQ(texts.size(), 5u);
  const char16_t* expected[] = {u"Song", u"Singer", u"Album", u"128Kbps", u"Encoder"};
  for (std::size_t k = 0; k < texts.size(); ++k) {
    EXPECT_EQ(texts[k].text, expected[k]);
    EXPECT_EQ(texts[k].rect.top, 22 * static_cast<int>(k + 1));
  }
}

TEST_F(PlayingTrackTest, TrackInformationWithoutATitleShowsTheFileName) {
  records.player.lyricsPresent = 0;
  WideCopy(records.trackInfo.mediaAuthor, u"Singer");
  Draw(records);

  const std::vector<RecordedText> texts = AreaTexts(records);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, u"track.mp3");
  EXPECT_EQ(texts[0].rect.top, 22);
  EXPECT_EQ(texts[1].text, u"Singer");
}

TEST_F(PlayingTrackTest, LoadedTrackThatIsNotPlayingShowsItsTitle) {
  records.player.playing = 0;
  records.SetLine(0, "not shown");
  records.lyrics.lineCount = 1;
  Draw(records);

  const std::vector<RecordedText> texts = AreaTexts(records);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, u"track.mp3");
  EXPECT_EQ(texts[0].rect.top, 22);
}

TEST_F(PlayingTrackTest, TimeTextEndsEveryPaint) {
  records.player.playPosition = 125;
  records.player.trackDuration = 2'400;
  Draw(records);
  ASSERT_GE(records.canvas.texts.size(), 2u);
  EXPECT_EQ(records.canvas.texts[records.canvas.texts.size() - 2].text, u"00:12/");
  EXPECT_EQ(records.canvas.texts.back().text, u"04:00");
}

}  // namespace
}  // namespace solvane
