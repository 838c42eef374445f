// What the desktop sees once files opened from outside land in the records:
// the file that plays, with its state, and no trace of the track before when
// nothing plays.

#include "app/desktop/mpris_state.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/fakes/opened_files_rig.h"

namespace solvane::testing {
namespace {

class OpenedFilesPublishedTest : public ::testing::Test, public OpenedFilesRig {
 protected:
  MprisSnapshot Published() {
    return TakeMprisSnapshot(
        MprisSources{records.player, *records.playlist, records.lyrics, records.trackInfo, 80}, serials);
  }

  MprisTrackSerials serials;
};

// A player paused on one track opens another: the desktop sees it playing,
// so that its Pause is not ignored.
TEST_F(OpenedFilesPublishedTest, WhatOpensOverAPausedTrackIsSeenPlaying) {
  disk.File("new.flac");
  PausedOldTrack();
  ASSERT_TRUE(Open({disk.Wide() + u"new.flac"}));
  EXPECT_EQ(Published().playbackStatus, "Playing");
}

// Refused entries are passed over: the desktop sees the first accepted one.
TEST_F(OpenedFilesPublishedTest, TheFirstAcceptedEntryIsTheOneSeen) {
  disk.File("bad.mp3");
  disk.File("song.wav");
  media.refusedUrls = {disk.Wide() + u"bad.mp3"};
  PausedOldTrack();
  ASSERT_TRUE(Open({disk.Wide() + u"bad.mp3", disk.Wide() + u"song.wav"}));
  const MprisMetadata metadata = Published().metadata;
  EXPECT_EQ(metadata.title, "song.wav");
  EXPECT_EQ(metadata.path, WideToUtf8(disk.Wide() + u"song.wav").value());
}

// When every entry is refused the desktop sees no track, not the one before.
TEST_F(OpenedFilesPublishedTest, WhenEveryEntryIsRefusedNoTrackIsSeen) {
  disk.File("notes.mp3");
  media.refusedUrls = {disk.Wide() + u"notes.mp3"};
  PausedOldTrack();
  records.player.trackChosen = 1;
  records.player.lastPlayState = kPlayStatePlaying;
  EXPECT_FALSE(Open({disk.Wide() + u"notes.mp3"}));
  const MprisMetadata metadata = Published().metadata;
  EXPECT_EQ(metadata.track, 0u);
  EXPECT_EQ(metadata.title, "");
  EXPECT_EQ(metadata.lengthMicros, 0);
}

}  // namespace
}  // namespace solvane::testing
