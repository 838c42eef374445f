// The playlist view's rows, its mark, its taps and its keys, against a list
// that keeps rows as a list control does and the real playlist operations.

#include <gtest/gtest.h>

#include "playlist/playlist_ops.h"
#include "views/playlist_view_logic.h"
#include "tests/views/browser_records.h"

namespace solvane::testing {
namespace {

const std::u16string kPlaceholder = u"  No files in playlist ";

class PlaylistViewTest : public ::testing::Test {
 protected:
  void Fill(std::initializer_list<const char16_t*> names, std::int32_t current) {
    for (const char16_t* name : names) {
      records.AddEntry(u"/music/", name);
    }
    records.playlist->currentIndex = current;
  }

  void Show() {
    records.player.playlistShown = 1;
    CreatePlaylistView(*records.playlist, records.player, records.view);
  }

  PlaylistTapResult Tap(std::int32_t row) {
    return TapPlaylistRow(records.playback, records.view, row);
  }

  BrowserRecords records;
};

TEST_F(PlaylistViewTest, AnEmptyPlaylistShowsThePlaceholderRowWhichIgnoresTaps) {
  Show();
  EXPECT_EQ(records.view.rows, std::vector<std::u16string>{kPlaceholder});
  EXPECT_EQ(records.view.marked, -1);

  EXPECT_EQ(Tap(0), PlaylistTapResult::kIgnored);
  EXPECT_TRUE(records.media.urls.empty());
  EXPECT_EQ(records.player.playlistShown, 1);
}

TEST_F(PlaylistViewTest, TheCurrentEntryIsMarkedAndOneTapOnItPlaysItAndClosesTheView) {
  Fill({u"a.mp3", u"b.mp3", u"c.mp3"}, 1);
  records.playlist->highlightedRow = 0;
  Show();
  EXPECT_EQ(records.view.rows, (std::vector<std::u16string>{u"a.mp3", u"b.mp3", u"c.mp3"}));
  EXPECT_EQ(records.view.marked, 1);
  EXPECT_EQ(records.playlist->highlightedRow, 1);

  EXPECT_EQ(Tap(1), PlaylistTapResult::kPlayed);
  EXPECT_EQ(records.media.urls, std::vector<std::u16string>{u"/music/b.mp3"});
  EXPECT_EQ(records.playlist->currentIndex, 1);
  EXPECT_EQ(records.player.playlistShown, 0);
  EXPECT_EQ(records.view.marked, -1);
}

// The entry played from the view plays, whatever was paused before it.
TEST_F(PlaylistViewTest, PlayingAnEntryWhilePausedLeavesThePlayerPlaying) {
  Fill({u"a.mp3", u"b.mp3"}, 0);
  records.player.trackLoaded = 1;
  records.player.playing = 1;
  records.player.paused = 1;
  Show();
  EXPECT_EQ(Tap(1), PlaylistTapResult::kMarked);
  EXPECT_EQ(Tap(1), PlaylistTapResult::kPlayed);
  EXPECT_EQ(records.player.playing, 1);
  EXPECT_EQ(records.player.paused, 0);
}

TEST_F(PlaylistViewTest, AFirstTapOnlyMovesTheMarkAndASecondTapPlays) {
  Fill({u"a.mp3", u"b.mp3", u"c.mp3"}, 0);
  Show();

  EXPECT_EQ(Tap(2), PlaylistTapResult::kMarked);
  EXPECT_EQ(records.view.marked, 2);
  EXPECT_EQ(records.playlist->highlightedRow, 2);
  EXPECT_EQ(records.playlist->currentIndex, 0);
  EXPECT_TRUE(records.media.urls.empty());
  EXPECT_EQ(records.player.playlistShown, 1);

  EXPECT_EQ(Tap(2), PlaylistTapResult::kPlayed);
  EXPECT_EQ(records.media.urls, std::vector<std::u16string>{u"/music/c.mp3"});
  EXPECT_EQ(records.playlist->currentIndex, 2);
  EXPECT_EQ(records.player.playlistShown, 0);
}

TEST_F(PlaylistViewTest, TapsBeyondThePlaylistAreIgnored) {
  Fill({u"a.mp3", u"b.mp3"}, 0);
  Show();
  for (const std::int32_t row : {-1, 2, 299}) {
    EXPECT_EQ(Tap(row), PlaylistTapResult::kIgnored) << row;
  }
  EXPECT_EQ(records.view.marked, 0);
  EXPECT_EQ(records.playlist->highlightedRow, 0);
}

TEST_F(PlaylistViewTest, ACurrentIndexOutsideThePlaylistMarksNoRow) {
  Fill({u"a.mp3", u"b.mp3"}, 5);
  Show();
  EXPECT_EQ(records.view.marked, -1);
  EXPECT_EQ(records.playlist->highlightedRow, -1);
}

TEST_F(PlaylistViewTest, DeleteAllWithTheViewShownLeavesOnlyThePlaceholder) {
  Fill({u"a.mp3", u"b.mp3", u"c.mp3"}, 2);
  Show();
  DeleteAll(*records.playlist, &records.view);
  EXPECT_EQ(records.view.rows, std::vector<std::u16string>{kPlaceholder});
  EXPECT_EQ(records.view.marked, -1);
  EXPECT_EQ(Tap(0), PlaylistTapResult::kIgnored);
}

TEST_F(PlaylistViewTest, ArrowKeysStepTheVolumeByThreeWithinItsRangeAndRepaint) {
  struct Case {
    std::optional<std::int32_t> before;
    PlaylistViewKey key;
    std::int32_t after;
  };
  const Case cases[] = {
      {50, PlaylistViewKey::kUp, 53},  {99, PlaylistViewKey::kUp, 100},
      {100, PlaylistViewKey::kUp, 100}, {50, PlaylistViewKey::kDown, 47},
      {2, PlaylistViewKey::kDown, 0},  {std::nullopt, PlaylistViewKey::kUp, 83},
      {std::nullopt, PlaylistViewKey::kDown, 77},
  };
  for (const Case& c : cases) {
    BrowserRecords fresh;
    fresh.media.volume = c.before;
    EXPECT_TRUE(PlaylistViewKeyDown(fresh.playback, c.key));
    ASSERT_EQ(fresh.media.volumePuts.size(), 1u);
    EXPECT_EQ(fresh.media.volumePuts.back(), c.after) << c.before.value_or(-1);
    EXPECT_EQ(fresh.shell.invalidations, 1);
  }
}

TEST_F(PlaylistViewTest, OtherKeysLeaveTheVolumeAlone) {
  EXPECT_FALSE(PlaylistViewKeyDown(records.playback, PlaylistViewKey::kOther));
  EXPECT_TRUE(records.media.volumePuts.empty());
  EXPECT_EQ(records.shell.invalidations, 0);
}

TEST(PlaylistViewPlaceTest, LiesFourPixelsDownOverTheLyricArea) {
  const PlaylistViewPlace place = PlaylistViewPlaceFor(480, 514, 480);
  EXPECT_EQ(place.x, 0);
  EXPECT_EQ(place.y, 4);
  EXPECT_EQ(place.width, 480);
  EXPECT_EQ(place.height, 508);
  EXPECT_EQ(place.columnWidth, 465);
}

}  // namespace
}  // namespace solvane::testing
