#include <climits>

#include "playback_fixture.h"
#include "tests/fakes/fake_legacy_decoder.h"

namespace solvane::testing {
namespace {

using TrackStartTest = PlaybackTest;

TEST_F(TrackStartTest, AcceptedStartLoadsTheEntryAndResetsWhatBelongedToTheLastTrack) {
  AddEntries(3);
  player.startScreenKept = 1;
  player.abActive = 1;
  player.abStage = 2;
  player.paused = 1;
  WideCopy(trackInfo.mediaTitle, u"Old title");
  lyrics.currentLine = 4;
  player.trackStarts = 7;

  EXPECT_EQ(StartTrack(context, 2), 1);

  EXPECT_EQ(media.urls, std::vector<std::u16string>{PathOf(2)});
  EXPECT_EQ(media.CallCount("stop"), 0);  // nothing was playing
  EXPECT_EQ(Title(), u"track2.mp3");
  EXPECT_EQ(playlist->currentIndex, 2);
  EXPECT_EQ(player.playing, 1);
  EXPECT_EQ(player.trackLoaded, 1);
  EXPECT_EQ(player.trackStarts, 8U);
  EXPECT_EQ(player.paused, 1);  // left to the callers
  EXPECT_EQ(player.startScreenKept, 0);
  EXPECT_EQ(player.abActive, 0);
  EXPECT_EQ(player.abStage, 0);
  EXPECT_EQ(player.trackInfoPending, 1);
  EXPECT_EQ(player.lyricsPresent, 0);
  EXPECT_EQ(lyrics.headerShown, 0);
  EXPECT_EQ(lyrics.currentLine, 0);
  EXPECT_EQ(WideView(trackInfo.mediaTitle), u"");
}

TEST_F(TrackStartTest, StartWhilePlayingStopsTheEngineBeforeTheNewUrl) {
  AddEntries(2);
  ASSERT_EQ(StartTrack(context, 0), 1);
  media.calls.clear();
  ASSERT_EQ(StartTrack(context, 1), 1);
  EXPECT_EQ(media.calls, (std::vector<std::string>{"stop", "url"}));
}

TEST_F(TrackStartTest, LyricsBesideTheTrackAreParsedIntoTheWindowFromTheStart) {
  AddEntries(1);
  WriteLyrics("track0", "[ti:Song]\n[00:01.00]One\n[00:02.50]Two\n");
  lyrics.currentLine = 3;

  ASSERT_EQ(StartTrack(context, 0), 1);

  EXPECT_EQ(player.lyricsPresent, 1);
  EXPECT_EQ(lyrics.headerShown, 1);
  EXPECT_STREQ(lyrics.title, "Song");
  EXPECT_EQ(lyrics.tagCount, 2);
  ASSERT_EQ(lyrics.lineCount, 2);
  EXPECT_EQ(lyrics.lineTime[0], 10);
  EXPECT_STREQ(lyrics.lineText[1], "Two");
  EXPECT_EQ(lyrics.currentLine, 0);
}

TEST_F(TrackStartTest, LyricsInALegacyEncodingAreReadThroughTheContextsDecoder) {
  AddEntries(1);
  WriteLyrics("track0", "[ti:D\xE9j\xE0 vu]\n[00:01.00]Caf\xE9\n");
  const FakeLegacyDecoder decoder("[ti:D\xC3\xA9j\xC3\xA0 vu]\n[00:01.00]Caf\xC3\xA9\n");
  context.lyricDecoder = &decoder;

  EXPECT_EQ(StartTrack(context, 0), 1);
  ASSERT_EQ(decoder.asked.size(), 1U);
  EXPECT_STREQ(lyrics.title, "D\xC3\xA9j\xC3\xA0 vu");
  ASSERT_EQ(lyrics.lineCount, 1);
  EXPECT_STREQ(lyrics.lineText[0], "Caf\xC3\xA9");
}

TEST_F(TrackStartTest, RefusedUrlLeavesNothingLoadedButShowsTheRefusedTitle) {
  AddEntries(2);
  ASSERT_EQ(StartTrack(context, 0), 1);
  player.abActive = 1;
  player.abStage = 1;
  player.trackInfoPending = 0;
  media.refusedUrls.push_back(PathOf(1));
  const std::uint32_t starts = player.trackStarts;

  EXPECT_EQ(StartTrack(context, 1), 0);

  EXPECT_EQ(player.playing, 0);
  EXPECT_EQ(player.trackLoaded, 0);
  EXPECT_EQ(player.trackStarts, starts);
  EXPECT_EQ(Title(), u"track1.mp3");
  EXPECT_EQ(playlist->currentIndex, 0);
  EXPECT_EQ(player.abActive, 1);
  EXPECT_EQ(player.abStage, 1);
  EXPECT_EQ(player.trackInfoPending, 0);
}

TEST_F(TrackStartTest, IndexOutsideThePlaylistIsRefusedWithoutTouchingAnything) {
  AddEntries(2);
  player.trackChosen = 1;
  WideCopy(player.currentTitle, u"kept");
  for (const std::int32_t index : {-1, 2, 299, 300, INT32_MAX, INT32_MIN}) {
    SCOPED_TRACE(index);
    EXPECT_EQ(StartTrack(context, index), 0);
    EXPECT_EQ(ChooseTrack(context, index), 0);
  }
  EXPECT_TRUE(media.calls.empty());
  EXPECT_EQ(Title(), u"kept");
  EXPECT_EQ(playlist->currentIndex, 0);
  EXPECT_EQ(player.trackChosen, 1);
}

TEST_F(TrackStartTest, ChoosingAnEntryUnloadsTheTrackWithoutCallingTheEngine) {
  AddEntries(3);
  ASSERT_EQ(StartTrack(context, 0), 1);
  player.abActive = 1;
  player.abStage = 2;
  player.lyricsPresent = 1;
  player.trackDuration = 1234;
  media.calls.clear();

  EXPECT_EQ(ChooseTrack(context, 2), 1);

  EXPECT_TRUE(media.calls.empty());
  EXPECT_EQ(Title(), u"track2.mp3");
  EXPECT_EQ(player.playing, 0);
  EXPECT_EQ(player.trackLoaded, 0);
  EXPECT_EQ(player.trackChosen, 1);
  EXPECT_EQ(player.abActive, 0);
  EXPECT_EQ(player.abStage, 0);
  EXPECT_EQ(player.lyricsPresent, 0);
  EXPECT_EQ(player.trackDuration, 0);
  EXPECT_EQ(playlist->currentIndex, 0);  // the caller sets it
}

TEST_F(TrackStartTest, BrowserFilePlaysFolderPlusNameAndKeepsTheCurrentIndex) {
  AddEntries(1);
  playlist->currentIndex = 7;
  WideCopy(browser->browserFolder, Folder());
  WideCopy(browser->entries[1].name, u"song.wma");
  browser->count = 2;
  WriteLyrics("song", "[00:03.00]Hello\n");

  EXPECT_EQ(StartBrowserFile(context, 1), 1);

  EXPECT_EQ(media.urls, std::vector<std::u16string>{Folder() + u"song.wma"});
  EXPECT_EQ(Title(), u"song.wma");
  EXPECT_EQ(playlist->currentIndex, 7);
  EXPECT_EQ(player.lyricsPresent, 1);
  EXPECT_EQ(lyrics.lineTime[0], 30);
  EXPECT_EQ(player.trackInfoPending, 1);

  for (const std::int32_t index : {-1, 2, 200}) {
    EXPECT_EQ(StartBrowserFile(context, index), 0);
  }
  EXPECT_EQ(media.urls.size(), 1U);
}

}  // namespace
}  // namespace solvane::testing
