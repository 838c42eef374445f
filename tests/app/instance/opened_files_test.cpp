// Files and folders from the command line open as the browser's Open mode
// opens them, over real folders the tests make and a scripted engine.

#include "views/opened_files.h"

#include "app/instance/forwarded_files.h"
#include "playlist/qt_name_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/fake_media_control.h"
#include "tests/fakes/made_folder.h"
#include "tests/fakes/playback_records.h"
#include "tests/fakes/recording_shell.h"

namespace solvane::testing {
namespace {

class OpenedFilesTest : public ::testing::Test {
 protected:
  bool Open(const std::vector<std::u16string>& paths) {
    PlaybackContext playback = records.ContextWith(media, shell);
    return OpenFiles(playback, paths);
  }

  std::vector<std::u16string> Entries() const {
    std::vector<std::u16string> paths;
    for (std::int32_t i = 0; i < records.playlist->playlistCount; ++i) {
      paths.push_back(std::u16string(WideView(records.playlist->folder[i])) +
                      std::u16string(WideView(records.playlist->fileName[i])));
    }
    return paths;
  }

  void AddOldEntry() {
    WideCopy(records.playlist->folder[0], u"/old/");
    WideCopy(records.playlist->fileName[0], u"old.mp3");
    records.playlist->playlistCount = 1;
  }

  MadeFolder disk;
  PlaybackRecords records;
  FakeMediaControl media;
  RecordingShell shell;
};

TEST_F(OpenedFilesTest, AFolderOpensItsMediaFilesInListingOrderAndPlaysTheFirst) {
  for (const char* name : {"Album/11 Eleven.mp3", "Album/2 Two.mp3", "Album/01 One.mp3",
                           "Album/cover.jpg", "Album/Extras/x.mp3"}) {
    disk.File(name);
  }
  AddOldEntry();
  const CollatedNameOrder listingOrder{QLocale(QLocale::English)};
  shell.listingOrder = &listingOrder;
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

TEST_F(OpenedFilesTest, AFileTheEngineRefusesIsNotPlaying) {
  disk.File("bad.mp3");
  media.refusedUrls.push_back(disk.Wide() + u"bad.mp3");
  EXPECT_FALSE(Open({disk.Wide() + u"bad.mp3"}));
  EXPECT_EQ(records.playlist->playlistCount, 1);
  EXPECT_EQ(records.player.playing, 0);
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

class ForwardedFilesTest : public OpenedFilesTest {
 protected:
  bool Receive(const std::vector<std::u16string>& paths, std::uint32_t nowMs) {
    PlaybackContext playback = records.ContextWith(media, shell);
    return forwarded.Receive(playback, paths, nowMs);
  }
  ForwardedFiles forwarded;
};

// A burst of starts, each with a file, ends with every file in the playlist;
// a later set replaces it as a new Open does.
TEST_F(ForwardedFilesTest, SetsOfOneBurstJoinTheFirstALaterSetReplacesThem) {
  for (const char* name : {"a.mp3", "b.mp3", "c.mp3", "d.mp3"}) {
    disk.File(name);
  }
  AddOldEntry();
  EXPECT_FALSE(Receive({}, 0));
  EXPECT_TRUE(Receive({disk.Wide() + u"a.mp3"}, 1000));
  EXPECT_TRUE(Receive({disk.Wide() + u"b.mp3"}, 1500));
  EXPECT_TRUE(Receive({disk.Wide() + u"c.mp3"}, 3000));  // within the window of the one before
  EXPECT_EQ(Entries(), (std::vector<std::u16string>{disk.Wide() + u"a.mp3", disk.Wide() + u"b.mp3",
                                                     disk.Wide() + u"c.mp3"}));
  EXPECT_EQ(media.urls.size(), 1u);  // only the first set started playing

  EXPECT_TRUE(Receive({disk.Wide() + u"d.mp3"}, 3000 + ForwardedFiles::kJoinWindowMs));
  EXPECT_EQ(Entries(), (std::vector<std::u16string>{disk.Wide() + u"d.mp3"}));
}

}  // namespace
}  // namespace solvane::testing
