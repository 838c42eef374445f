// Files and folders from the command line open as the browser's Open mode
// opens them, over real folders the tests make and a scripted engine.

#include "views/opened_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "playback/poll_tick.h"
#include "skin/start_screen.h"
#include "tests/fakes/media_folder_names.h"
#include "tests/fakes/opened_files_rig.h"

namespace solvane::testing {
namespace {

class OpenedFilesTest : public ::testing::Test, public OpenedFilesRig {};

TEST_F(OpenedFilesTest, AFolderOpensItsMediaFilesInListingOrderAndPlaysTheFirst) {
  for (const char* name : {"Album/11 Eleven.mp3", "Album/2 Two.mp3", "Album/01 One.mp3",
                           "Album/cover.jpg", "Album/Extras/x.mp3"}) {
    disk.File(name);
  }
  AddOldEntry();
  const std::u16string album = disk.Wide() + u"Album/";
  ASSERT_TRUE(Open({disk.Wide() + u"Album"}));
  EXPECT_EQ(Entries(), (std::vector<std::u16string>{album + u"01 One.mp3", album + u"2 Two.mp3",
                                                     album + u"11 Eleven.mp3"}));
  EXPECT_EQ(records.playlist->currentIndex, 0);
  ASSERT_EQ(media.urls.size(), 1u);
  EXPECT_EQ(media.urls.front(), album + u"01 One.mp3");
}

TEST_F(OpenedFilesTest, FilesAreTakenAsNamedWhateverTheirEndingBesideFolders) {
  disk.File("a/song.ogg");
  disk.File("b/1.wav");
  disk.File("b/2.wav");
  ASSERT_TRUE(Open({disk.Wide() + u"a/song.ogg", disk.Wide() + u"b/", u"relative.mp3",
                    u"", disk.Wide() + u"a/missing.mp3"}));
  EXPECT_EQ(Entries(), (std::vector<std::u16string>{disk.Wide() + u"a/song.ogg",
                                                     disk.Wide() + u"b/1.wav",
                                                     disk.Wide() + u"b/2.wav",
                                                     disk.Wide() + u"a/missing.mp3"}));
}

TEST_F(OpenedFilesTest, NothingToOpenLeavesThePlaylistAsItWas) {
  disk.Folder("empty");
  AddOldEntry();
  EXPECT_FALSE(Open({}));
  EXPECT_FALSE(Open({disk.Wide() + u"empty", u"not/absolute.mp3",
                     u"/" + std::u16string(300, u'n') + u".mp3"}));
  EXPECT_EQ(Entries(), std::vector<std::u16string>{u"/old/old.mp3"});
  EXPECT_TRUE(media.urls.empty());
}

TEST_F(OpenedFilesTest, StopsAtThreeHundredEntries) {
  std::vector<std::u16string> paths;
  for (int i = 0; i < 310; ++i) {
    paths.push_back(u"/music/" + std::u16string(u"t") + Wide(std::to_string(i)) + u".mp3");
  }
  Open(paths);
  ASSERT_EQ(records.playlist->playlistCount, kPlaylistCapacity);
  EXPECT_EQ(Entries().back(), u"/music/t299.mp3");
}

// A player paused on one track opens another: it plays, and every record
// says so, so that the desktop's Pause is not ignored.
TEST_F(OpenedFilesTest, WhatOpensPlaysWhateverWasPausedBefore) {
  disk.File("new.flac");
  PausedOldTrack();
  ASSERT_TRUE(Open({disk.Wide() + u"new.flac"}));
  EXPECT_EQ(records.player.playing, 1);
  EXPECT_EQ(records.player.paused, 0);
  EXPECT_EQ(media.playState, kPlayStatePlaying);
}

// Refused entries are reported with the engine's reason and passed over; the
// first accepted one plays and is current.
TEST_F(OpenedFilesTest, TheFirstEntryTheEngineAcceptsPlaysAndTheRefusedAreReported) {
  disk.File("bad.mp3");
  disk.File("song.wav");
  media.refusedUrls = {disk.Wide() + u"missing.mp3", disk.Wide() + u"bad.mp3"};
  PausedOldTrack();
  ASSERT_TRUE(Open({disk.Wide() + u"missing.mp3", disk.Wide() + u"bad.mp3",
                    disk.Wide() + u"song.wav"}));
  EXPECT_EQ(records.playlist->playlistCount, 3);
  EXPECT_EQ(records.playlist->currentIndex, 2);
  EXPECT_EQ(records.player.trackLoaded, 1);
  EXPECT_EQ(WideView(records.player.currentTitle), u"song.wav");
  EXPECT_EQ(shell.refusedFiles,
            (std::vector<std::u16string>{disk.Wide() + u"missing.mp3: not a media file",
                                         disk.Wide() + u"bad.mp3: not a media file"}));
  EXPECT_EQ(WideView(records.player.positionTrack), disk.Wide() + u"song.wav");
}

// When nothing opened plays, nothing of the track before stays: the face
// shows the start screen and the desktop sees no track.
TEST_F(OpenedFilesTest, WhenEveryEntryIsRefusedNothingIsCurrent) {
  disk.File("notes.mp3");
  disk.File("notes.ogg");
  media.refusedUrls = {disk.Wide() + u"notes.mp3", disk.Wide() + u"notes.ogg"};
  PausedOldTrack();
  records.player.trackChosen = 1;
  records.player.lastPlayState = kPlayStatePlaying;
  EXPECT_FALSE(Open({disk.Wide() + u"notes.mp3", disk.Wide() + u"notes.ogg"}));
  EXPECT_EQ(Entries(), (std::vector<std::u16string>{disk.Wide() + u"notes.mp3",
                                                     disk.Wide() + u"notes.ogg"}));
  EXPECT_EQ(shell.refusedFiles.size(), 2u);
  EXPECT_EQ(ChooseLyricArea(records.player), LyricAreaChoice::kStartScreen);
  EXPECT_EQ(records.player.playing, 0);
  EXPECT_EQ(records.player.paused, 0);
  EXPECT_EQ(records.player.trackDuration, 0);
  EXPECT_EQ(records.player.playPosition, 0);
  EXPECT_EQ(WideView(records.player.currentTitle), u"");
  EXPECT_EQ(WideView(records.trackInfo.mediaTitle), u"");

  // The old track was playing when the tick last looked; the engine standing
  // empty now is not its end, so the tick tries nothing more.
  media.playState = kPlayStateStopped;
  const std::size_t tried = media.urls.size();
  PlaybackContext playback = records.ContextWith(media, shell);
  PollTick(playback, 7);
  EXPECT_EQ(media.urls.size(), tried);
  EXPECT_EQ(ChooseLyricArea(records.player), LyricAreaChoice::kStartScreen);
}

// A folder opened from outside adds up to 300 of its media files (the
// browser's own listing stops at 200), every ending in either case.
TEST_F(OpenedFilesTest, AFolderAddsEveryMediaEndingAndUpToThreeHundredFiles) {
  for (const std::u16string& name : NotMediaNames()) {
    disk.File("mixed/" + WideToUtf8(name).value());
  }
  for (const std::u16string& name : EveryMediaEndingName()) {
    disk.File("mixed/" + WideToUtf8(name).value());
  }
  ASSERT_TRUE(Open({disk.Wide() + u"mixed"}));
  std::vector<std::u16string> expected;
  for (const std::u16string& name : EveryMediaEndingName()) {
    expected.push_back(disk.Wide() + u"mixed/" + name);
  }
  EXPECT_EQ(Entries(), expected);

  for (int i = 1; i <= 350; ++i) {
    disk.File("big/" + std::to_string(i) + ".ogg");
  }
  ASSERT_TRUE(Open({disk.Wide() + u"big/"}));
  EXPECT_EQ(records.playlist->playlistCount, 300);
  EXPECT_EQ(Entries().back(), disk.Wide() + u"big/300.ogg");
}

// Once 300 entries are in, later paths are not looked at, so a huge folder
// named after them is never read; and an ending program stops the listing.
TEST_F(OpenedFilesTest, ListingEndsWhenThePlaylistIsFullOrTheProgramEnds) {
  std::vector<std::u16string> paths;
  for (int i = 0; i < 300; ++i) {
    paths.push_back(u"/music/t" + Wide(std::to_string(i)) + u".mp3");
  }
  for (int i = 0; i < 20; ++i) {
    disk.File("later/" + std::to_string(i) + ".mp3");
  }
  paths.push_back(disk.Wide() + u"later");
  int asked = 0;
  Open(paths, [&asked] {
    ++asked;
    return true;
  });
  EXPECT_EQ(records.playlist->playlistCount, 300);
  EXPECT_EQ(asked, 1);  // before the start only: the folder was never read

  EXPECT_FALSE(Open({disk.Wide() + u"later"}, [] { return false; }));
}

}  // namespace
}  // namespace solvane::testing

namespace solvane::testing {
namespace {

using Paths = std::vector<std::u16string>;

// Dropped files are appended as "Add Files" appends: nothing starts, the
// current entry stays, and a full playlist takes no more.
TEST_F(OpenedFilesTest, AddingAppendsWithoutStartingAndStopsWhenFull) {
  disk.File("Album/1 One.mp3");
  disk.File("Album/2 Two.wav");
  disk.File("loose.aif");
  AddOldEntry();
  PlaybackContext playback = records.ContextWith(media, shell);
  EXPECT_EQ(AddFiles(playback, Paths{disk.Wide() + u"Album", disk.Wide() + u"loose.aif",
                                     u"relative.mp3"}),
            3);
  EXPECT_EQ(Entries(), (std::vector<std::u16string>{u"/old/old.mp3", disk.Wide() + u"Album/1 One.mp3",
                                                     disk.Wide() + u"Album/2 Two.wav",
                                                     disk.Wide() + u"loose.aif"}));
  EXPECT_EQ(records.playlist->currentIndex, 0);
  EXPECT_TRUE(media.urls.empty());

  records.playlist->playlistCount = kPlaylistCapacity - 1;
  EXPECT_EQ(AddFiles(playback, Paths{disk.Wide() + u"Album"}), 1);
  EXPECT_EQ(records.playlist->playlistCount, kPlaylistCapacity);
  EXPECT_EQ(AddFiles(playback, Paths{disk.Wide() + u"loose.aif"}), 0);
}

}  // namespace
}  // namespace solvane::testing
