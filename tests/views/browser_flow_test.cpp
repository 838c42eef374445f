// The browser's taps and soft keys over real folders that the tests make, with
// a scripted engine standing in for playback.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "playlist/qt_name_order.h"
#include "views/browser_flow.h"
#include "tests/views/browser_records.h"
#include "tests/fakes/made_folder.h"
#include "tests/fakes/media_folder_names.h"

namespace solvane::testing {
namespace {

class BrowserFlowTest : public ::testing::Test {
 public:
  // Names with numbers list by their value, as the player lists them.
  BrowserFlowTest() { records.shell.listingOrder = &listingOrder; }

  // Lists `folder` as if the user had walked to it.
  void ShowFolder(const std::u16string& folder) {
    WideCopy(records.browser->browserFolder, folder);
    BrowserSession session = records.Session(false);
    OpenFileBrowser(session);
  }

  std::int32_t RowOf(std::u16string_view name) const {
    const BrowserListing& listing = *records.browser;
    for (std::int32_t row = 0; row < listing.count; ++row) {
      if (WideView(listing.entries[row].name) == name) {
        return row;
      }
    }
    ADD_FAILURE() << "not listed";
    return -1;
  }

  // The names of the listing's files, in listing order.
  std::vector<std::u16string> ListedFiles() const {
    std::vector<std::u16string> names;
    const BrowserListing& listing = *records.browser;
    for (std::int32_t row = 0; row < listing.count; ++row) {
      if (!IsFolder(listing.entries[row])) {
        names.emplace_back(WideView(listing.entries[row].name));
      }
    }
    return names;
  }

  std::u16string Folder() const { return std::u16string(WideView(records.browser->browserFolder)); }

  MadeFolder disk;
  BrowserRecords records;
  const CollatedNameOrder listingOrder{QLocale(QLocale::English)};
};

TEST_F(BrowserFlowTest, OpenModeFileTapLeavesExactlyThatEntryCurrentAndPlaying) {
  disk.File("a.mp3");
  disk.File("b.wma");
  records.AddEntry(u"/old/", u"x.mp3");
  records.AddEntry(u"/old/", u"y.mp3");
  records.playlist->currentIndex = 1;
  ShowFolder(disk.Wide());
  BrowserSession session = records.Session(false);

  EXPECT_EQ(TapBrowserRow(session, RowOf(u"b.wma")), BrowserAction::kClose);

  ASSERT_EQ(records.playlist->playlistCount, 1);
  EXPECT_EQ(records.playlist->currentIndex, 0);
  EXPECT_EQ(records.EntryPath(0), disk.Wide() + u"b.wma");
  ASSERT_EQ(records.media.urls.size(), 1u);
  EXPECT_EQ(records.media.urls.back(), disk.Wide() + u"b.wma");
  EXPECT_EQ(records.player.playing, 1);
}

// What Open mode starts plays: a player paused before says Playing after.
TEST_F(BrowserFlowTest, OpenModeStartsPlayWhateverWasPausedBefore) {
  disk.File("a.flac");
  disk.File("b.opus");
  struct Way {
    const char* name;
    BrowserAction (*take)(BrowserFlowTest&, BrowserSession&);
  };
  const Way ways[] = {
      {"tap", [](BrowserFlowTest& test, BrowserSession& session) {
         return TapBrowserRow(session, test.RowOf(u"b.opus"));
       }},
      {"Add_All", [](BrowserFlowTest&, BrowserSession& session) {
         return RunBrowserCommand(session, kCmdAddAll);
       }},
  };
  for (const Way& way : ways) {
    records.player.trackLoaded = 1;
    records.player.playing = 1;
    records.player.paused = 1;
    ShowFolder(disk.Wide());
    BrowserSession session = records.Session(false);
    EXPECT_EQ(way.take(*this, session), BrowserAction::kClose) << way.name;
    EXPECT_EQ(records.player.playing, 1) << way.name;
    EXPECT_EQ(records.player.paused, 0) << way.name;
    EXPECT_EQ(records.media.playState, kPlayStatePlaying) << way.name;
  }
}

// Every ending of the list, in either letter case, in name order; other
// files stay out. The browser's listing holds 200 of a bigger folder.
TEST_F(BrowserFlowTest, AddAllTakesEveryMediaEndingInNameOrder) {
  for (const std::u16string& name : NotMediaNames()) {
    disk.File(WideToUtf8(name).value());
  }
  for (const std::u16string& name : EveryMediaEndingName()) {
    disk.File(WideToUtf8(name).value());
  }
  ShowFolder(disk.Wide());
  BrowserSession session = records.Session(false);
  records.player.addMode = 1;
  EXPECT_EQ(RunBrowserCommand(session, kCmdAddAll), BrowserAction::kClose);
  const std::vector<std::u16string> names = EveryMediaEndingName();
  ASSERT_EQ(records.playlist->playlistCount, static_cast<std::int32_t>(names.size()));
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(records.EntryPath(static_cast<std::int32_t>(i)), disk.Wide() + names[i]);
  }
}

TEST_F(BrowserFlowTest, AddAllOfAFolderOfThreeHundredFiftyTakesTheTwoHundredListed) {
  for (int i = 0; i < 350; ++i) {
    disk.File("big/" + std::to_string(i) + ".m4a");
  }
  ShowFolder(disk.Wide() + u"big/");
  BrowserSession session = records.Session(true);
  EXPECT_EQ(RunBrowserCommand(session, kCmdAddAll), BrowserAction::kClose);
  EXPECT_EQ(records.playlist->playlistCount, 200);
  EXPECT_EQ(records.EntryPath(199), disk.Wide() + u"big/199.m4a");
}

TEST_F(BrowserFlowTest, AddModeFileTapAppendsAndMarksTheNewLastRowOfAShownView) {
  disk.File("new.mp3");
  records.AddEntry(u"/old/", u"x.mp3");
  records.AddEntry(u"/old/", u"y.mp3");
  records.player.addMode = 1;
  ShowFolder(disk.Wide());
  BrowserSession session = records.Session(true);
  ASSERT_EQ(records.view.marked, 0);

  EXPECT_EQ(TapBrowserRow(session, RowOf(u"new.mp3")), BrowserAction::kClose);

  ASSERT_EQ(records.playlist->playlistCount, 3);
  EXPECT_EQ(records.playlist->currentIndex, 2);
  EXPECT_EQ(records.view.rows, (std::vector<std::u16string>{u"x.mp3", u"y.mp3", u"new.mp3"}));
  EXPECT_EQ(records.view.marked, 2);
  EXPECT_EQ(records.playlist->highlightedRow, 2);
  EXPECT_TRUE(records.media.urls.empty());
}

TEST_F(BrowserFlowTest, AddModeTapOnAFullPlaylistChangesNothingButCloses) {
  disk.File("one.mp3");
  for (int i = 0; i < kPlaylistCapacity; ++i) {
    records.AddEntry(u"/full/", u"f.mp3");
  }
  records.playlist->currentIndex = 7;
  records.player.addMode = 1;
  ShowFolder(disk.Wide());
  BrowserSession session = records.Session(false);

  EXPECT_EQ(TapBrowserRow(session, RowOf(u"one.mp3")), BrowserAction::kClose);
  EXPECT_EQ(records.playlist->playlistCount, kPlaylistCapacity);
  EXPECT_EQ(records.playlist->currentIndex, 7);
}

TEST_F(BrowserFlowTest, TapOnAFolderListsItAndKeepsTheBrowserOpen) {
  disk.File("Music/song.mp3");
  ShowFolder(disk.Wide());
  BrowserSession session = records.Session(false);

  EXPECT_EQ(TapBrowserRow(session, RowOf(u"Music")), BrowserAction::kRelisted);
  EXPECT_EQ(Folder(), disk.Wide() + u"Music/");
  EXPECT_EQ(ListedFiles(), std::vector<std::u16string>{u"song.mp3"});
  EXPECT_EQ(records.playlist->playlistCount, 0);
}

TEST_F(BrowserFlowTest, AFolderWhosePathWouldNotFitIsNotEntered) {
  BrowserListing& listing = *records.browser;
  const std::u16string deep = u"/" + std::u16string(200, u'a') + u"/";
  WideCopy(listing.browserFolder, deep);
  listing.count = 1;
  listing.entries[0].attributes = kAttributeFolder;
  WideCopy(listing.entries[0].name, std::u16string(60, u'b'));
  BrowserSession session = records.Session(false);

  EXPECT_EQ(TapBrowserRow(session, 0), BrowserAction::kNone);
  EXPECT_EQ(Folder(), deep);
  EXPECT_EQ(listing.count, 1);
}

TEST_F(BrowserFlowTest, TapsOutsideTheRowsDoNothing) {
  disk.File("a.mp3");
  ShowFolder(disk.Wide());
  BrowserSession session = records.Session(false);
  for (const std::int32_t row : {-1, records.browser->count, kBrowserListingCapacity}) {
    EXPECT_EQ(TapBrowserRow(session, row), BrowserAction::kNone) << row;
  }
  EXPECT_EQ(records.playlist->playlistCount, 0);
  EXPECT_TRUE(records.media.urls.empty());
}

TEST_F(BrowserFlowTest, AddAllInOpenModeOnAFolderOfSubFoldersOnlyChangesNothing) {
  disk.Folder("One");
  disk.Folder("Two.mp3");
  records.AddEntry(u"/old/", u"x.mp3");
  records.playlist->currentIndex = 0;
  records.player.playing = 1;
  ShowFolder(disk.Wide());
  BrowserSession session = records.Session(true);

  EXPECT_EQ(RunBrowserCommand(session, kCmdAddAll), BrowserAction::kClose);

  ASSERT_EQ(records.playlist->playlistCount, 1);
  EXPECT_EQ(records.EntryPath(0), u"/old/x.mp3");
  EXPECT_EQ(records.playlist->currentIndex, 0);
  EXPECT_TRUE(records.media.urls.empty());
  EXPECT_TRUE(records.media.calls.empty());
  EXPECT_EQ(records.view.rows, std::vector<std::u16string>{u"x.mp3"});
}

TEST_F(BrowserFlowTest, AddAllInOpenModeReplacesThePlaylistAndPlaysTheFirstFile) {
  disk.Folder("Sub");
  for (const char* name : {"c.mp3", "a.wav", "b.mid"}) {
    disk.File(name);
  }
  records.AddEntry(u"/old/", u"x.mp3");
  records.playlist->currentIndex = 0;
  ShowFolder(disk.Wide());
  const std::vector<std::u16string> files = ListedFiles();
  BrowserSession session = records.Session(true);

  EXPECT_EQ(RunBrowserCommand(session, kCmdAddAll), BrowserAction::kClose);

  ASSERT_EQ(records.playlist->playlistCount, 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(records.EntryPath(i), disk.Wide() + files[i]);
  }
  EXPECT_EQ(records.playlist->currentIndex, 0);
  ASSERT_EQ(records.media.urls.size(), 1u);
  EXPECT_EQ(records.media.urls.front(), disk.Wide() + files.front());
  EXPECT_EQ(records.view.rows, files);
  EXPECT_EQ(records.view.marked, 0);
}

// One tap from the first opening plays the user's album from its first track,
// in track order.
TEST_F(BrowserFlowTest, TheFirstOpeningListsTheMusicFolderAndAddAllPlaysTheAlbumInOrder) {
  for (const char* name : {"11 Eleven.mp3", "03 Three.mp3", "2 Two.mp3", "10 Ten.mp3",
                           "01 One.mp3"}) {
    disk.File(std::string("home/Songs/") + name);
  }
  records.shell.musicFolder = disk.Wide() + u"home/Songs";

  BrowserSession session = records.Session(false);
  OpenFileBrowser(session);
  ASSERT_EQ(Folder(), disk.Wide() + u"home/Songs/");
  EXPECT_EQ(RunBrowserCommand(session, kCmdAddAll), BrowserAction::kClose);

  const std::vector<std::u16string> order = {u"01 One.mp3", u"2 Two.mp3", u"03 Three.mp3",
                                             u"10 Ten.mp3", u"11 Eleven.mp3"};
  ASSERT_EQ(records.playlist->playlistCount, 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(records.EntryPath(i), disk.Wide() + u"home/Songs/" + order[i]);
  }
  ASSERT_EQ(records.media.urls.size(), 1u);
  EXPECT_EQ(records.media.urls.front(), disk.Wide() + u"home/Songs/01 One.mp3");
}

TEST_F(BrowserFlowTest, AddAllInAddModeStopsAtThreeHundredWithoutPlaying) {
  for (int i = 0; i < 10; ++i) {
    disk.File("track" + std::to_string(i) + ".mp3");
  }
  for (int i = 0; i < 295; ++i) {
    records.AddEntry(u"/old/", u"x.mp3");
  }
  records.playlist->currentIndex = 4;
  records.player.addMode = 1;
  ShowFolder(disk.Wide());
  const std::vector<std::u16string> files = ListedFiles();
  ASSERT_EQ(files.size(), 10u);
  BrowserSession session = records.Session(false);

  EXPECT_EQ(RunBrowserCommand(session, kCmdAddAll), BrowserAction::kClose);

  ASSERT_EQ(records.playlist->playlistCount, kPlaylistCapacity);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(records.EntryPath(295 + i), disk.Wide() + files[i]);
  }
  EXPECT_EQ(records.playlist->currentIndex, 4);
  EXPECT_TRUE(records.media.urls.empty());
}

TEST_F(BrowserFlowTest, UpFolderGoesToTheParentAndDoesNothingAtTheRoot) {
  disk.File("Music/Pop/a.mp3");
  ShowFolder(disk.Wide() + u"Music/Pop/");
  BrowserSession session = records.Session(false);

  EXPECT_EQ(RunBrowserCommand(session, kCmdUpFolder), BrowserAction::kRelisted);
  EXPECT_EQ(Folder(), disk.Wide() + u"Music/");
  ASSERT_EQ(records.browser->count, 1);
  EXPECT_EQ(WideView(records.browser->entries[0].name), u"Pop");

  WideCopy(records.browser->browserFolder, u"/");
  records.browser->count = 1;
  EXPECT_EQ(RunBrowserCommand(session, kCmdUpFolder), BrowserAction::kNone);
  EXPECT_EQ(Folder(), u"/");
  EXPECT_EQ(records.browser->count, 1);
}

TEST_F(BrowserFlowTest, ReopeningShowsTheFolderWhereTheBrowserWasLeftListedAfresh) {
  disk.File("Music/a.mp3");
  ShowFolder(disk.Wide());
  BrowserSession first = records.Session(false);
  ASSERT_EQ(TapBrowserRow(first, RowOf(u"Music")), BrowserAction::kRelisted);
  ASSERT_EQ(RunBrowserCommand(first, kCmdBrowserCancel), BrowserAction::kClose);
  disk.File("Music/b.mp3");

  BrowserSession second = records.Session(false);
  OpenFileBrowser(second);

  EXPECT_EQ(Folder(), disk.Wide() + u"Music/");
  std::vector<std::u16string> files = ListedFiles();
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::u16string>{u"a.mp3", u"b.mp3"}));
}

TEST_F(BrowserFlowTest, CancelClosesAndAnUnknownCommandDoesNothing) {
  disk.File("a.mp3");
  ShowFolder(disk.Wide());
  BrowserSession session = records.Session(false);
  EXPECT_EQ(RunBrowserCommand(session, 40039), BrowserAction::kNone);
  EXPECT_EQ(RunBrowserCommand(session, kCmdBrowserCancel), BrowserAction::kClose);
  EXPECT_EQ(records.playlist->playlistCount, 0);
  EXPECT_TRUE(records.media.calls.empty());
}

}  // namespace
}  // namespace solvane::testing
