#include "playlist/playlist_ops.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/playlist/recording_rows.h"

namespace solvane {
namespace {

struct ListedName {
  std::u16string name;
  bool folder = false;
};

std::unique_ptr<BrowserListing> MakeListing(const std::vector<ListedName>& names) {
  auto listing = std::make_unique<BrowserListing>();
  WideCopy(listing->browserFolder, u"/Music/");
  for (const ListedName& listed : names) {
    BrowserEntry& entry = listing->entries[listing->count++];
    entry.attributes = listed.folder ? kAttributeFolder : kAttributeArchive;
    WideCopy(entry.name, listed.name);
  }
  return listing;
}

// A playlist of `count` entries "/Old/<i>.mp3".
std::unique_ptr<Playlist> MakePlaylist(std::int32_t count, std::int32_t currentIndex) {
  auto playlist = std::make_unique<Playlist>();
  for (std::int32_t i = 0; i < count; ++i) {
    WideCopy(playlist->folder[i], u"/Old/");
    WideCopy(playlist->fileName[i], Wide(std::to_string(i) + ".mp3"));
  }
  playlist->playlistCount = count;
  playlist->currentIndex = currentIndex;
  return playlist;
}

std::unique_ptr<Playlist> MakePlaylist(const std::vector<std::u16string>& names,
                                       std::int32_t currentIndex) {
  auto playlist = MakePlaylist(0, currentIndex);
  for (const std::u16string& name : names) {
    WideCopy(playlist->folder[playlist->playlistCount], u"/Music/");
    WideCopy(playlist->fileName[playlist->playlistCount++], name);
  }
  return playlist;
}

std::vector<std::u16string> FileNames(const Playlist& playlist) {
  std::vector<std::u16string> names;
  for (std::int32_t i = 0; i < playlist.playlistCount; ++i) {
    names.emplace_back(WideView(playlist.fileName[i]));
  }
  return names;
}

TEST(AddBrowserEntry, AppendsAndMakesCurrentUntilThePlaylistIsFull) {
  struct Case {
    std::int32_t count;
    std::int32_t expectedCount;
    std::int32_t expectedCurrent;
  };
  const Case cases[] = {{0, 1, 0}, {299, 300, 299}, {300, 300, 7}};
  const auto listing = MakeListing({{u"Sub", true}, {u"New.mp3"}});
  for (const Case& c : cases) {
    auto playlist = MakePlaylist(c.count, 7);
    AddBrowserEntry(*playlist, *listing, 1);
    EXPECT_EQ(playlist->playlistCount, c.expectedCount) << c.count;
    EXPECT_EQ(playlist->currentIndex, c.expectedCurrent) << c.count;
    const std::int32_t last = playlist->playlistCount - 1;
    const bool added = c.expectedCount > c.count;
    EXPECT_EQ(WideView(playlist->fileName[last]),
              added ? u"New.mp3" : Wide(std::to_string(last) + ".mp3"));
    EXPECT_EQ(WideView(playlist->folder[last]), added ? u"/Music/" : u"/Old/");
  }
}

TEST(AddBrowserEntry, TheSameFileTwiceGivesTwoEntries) {
  const auto listing = MakeListing({{u"Song.mp3"}});
  auto playlist = MakePlaylist(0, 0);
  AddBrowserEntry(*playlist, *listing, 0);
  AddBrowserEntry(*playlist, *listing, 0);
  EXPECT_EQ(FileNames(*playlist), (std::vector<std::u16string>{u"Song.mp3", u"Song.mp3"}));
  EXPECT_EQ(playlist->currentIndex, 1);
}

TEST(AddBrowserEntry, RefusesWhatIsNoFileOfTheListing) {
  const auto listing = MakeListing({{u"Sub", true}, {u"Song.mp3"}});
  auto playlist = MakePlaylist(0, 0);
  for (const std::int32_t index : {-1, 0, 2, 250}) {
    AddBrowserEntry(*playlist, *listing, index);
  }
  EXPECT_EQ(playlist->playlistCount, 0);
}

TEST(AddAllBrowserFiles, AppendsFilesInListingOrderAndStopsAtCapacity) {
  struct Case {
    std::int32_t count;
    std::vector<std::u16string> expectedAdded;
  };
  const auto listing = MakeListing({{u"A", true}, {u"f1.mp3"}, {u"f2.wma"}, {u"B", true},
                                    {u"f3.wav"}, {u"f4.mid"}, {u"f5.avi"}, {u"C", true},
                                    {u"f6.mp3"}, {u"f7.mp3"}, {u"f8.mp3"}, {u"f9.mp3"},
                                    {u"f10.mp3"}});
  const std::vector<std::u16string> all = {u"f1.mp3", u"f2.wma", u"f3.wav", u"f4.mid", u"f5.avi",
                                           u"f6.mp3", u"f7.mp3", u"f8.mp3", u"f9.mp3", u"f10.mp3"};
  const Case cases[] = {
      {0, all},
      {295, {u"f1.mp3", u"f2.wma", u"f3.wav", u"f4.mid", u"f5.avi"}},
      {299, {u"f1.mp3"}},
      {300, {}},
  };
  for (const Case& c : cases) {
    auto playlist = MakePlaylist(c.count, 3);
    AddAllBrowserFiles(*playlist, *listing);
    const std::vector<std::u16string> names = FileNames(*playlist);
    EXPECT_EQ(std::vector<std::u16string>(names.begin() + c.count, names.end()), c.expectedAdded)
        << c.count;
    EXPECT_EQ(playlist->currentIndex, 3);
  }
}

TEST(BrowserHasFiles, LooksForAnyEntryThatIsNotAFolder) {
  EXPECT_FALSE(BrowserHasFiles(*MakeListing({})));
  EXPECT_FALSE(BrowserHasFiles(*MakeListing({{u"A", true}, {u"B", true}})));
  EXPECT_TRUE(BrowserHasFiles(*MakeListing({{u"A", true}, {u"b.mp3"}})));
}

TEST(EmptyPlaylist, KeepsTheCurrentIndex) {
  auto playlist = MakePlaylist(5, 4);
  EmptyPlaylist(*playlist);
  EXPECT_EQ(playlist->playlistCount, 0);
  EXPECT_EQ(playlist->currentIndex, 4);
}

TEST(DeleteEntry, FollowsTheRowAndCurrentIndexRules) {
  struct Case {
    const char* what;
    std::vector<std::u16string> names;
    std::int32_t current;
    std::int32_t row;
    std::vector<std::u16string> expectedNames;
    std::int32_t expectedCurrent;
    std::int32_t expectedHighlight;
    std::vector<std::string> expectedCalls;
  };
  const Case cases[] = {
      {"first of X Y Z, Z current", {u"X", u"Y", u"Z"}, 2, 0, {u"Y", u"Z"}, 1, 0,
       {"remove 0", "mark 0"}},
      {"middle of X Y Z, Z current", {u"X", u"Y", u"Z"}, 2, 1, {u"X", u"Z"}, 1, 1,
       {"remove 1", "mark 1"}},
      {"first of X Y Z, Y current", {u"X", u"Y", u"Z"}, 1, 0, {u"Y", u"Z"}, 1, 0,
       {"remove 0", "mark 0"}},
      {"last of X Y Z, Z current", {u"X", u"Y", u"Z"}, 2, 2, {u"X", u"Y"}, 1, 2,
       {"remove 2", "mark -1"}},
      {"last of X Y Z, X current", {u"X", u"Y", u"Z"}, 0, 2, {u"X", u"Y"}, 0, 2,
       {"remove 2", "mark -1"}},
      {"the only entry, current", {u"X"}, 0, 0, {}, -1, -1,
       {"keep first row", "first row '  No files in playlist '"}},
      {"the only entry, current outside", {u"X"}, 4, 0, {}, 4, -1,
       {"keep first row", "first row '  No files in playlist '"}},
      {"row -1", {u"X", u"Y"}, 1, -1, {u"X", u"Y"}, 1, 9, {}},
      {"row past the end", {u"X", u"Y"}, 1, 2, {u"X", u"Y"}, 1, 9, {}},
      {"empty playlist", {}, 0, 0, {}, 0, 9, {}},
  };
  for (const Case& c : cases) {
    auto playlist = MakePlaylist(c.names, c.current);
    playlist->highlightedRow = 9;
    RecordingRows rows;
    DeleteEntry(*playlist, c.row, &rows);
    EXPECT_EQ(FileNames(*playlist), c.expectedNames) << c.what;
    EXPECT_EQ(playlist->currentIndex, c.expectedCurrent) << c.what;
    EXPECT_EQ(playlist->highlightedRow, c.expectedHighlight) << c.what;
    EXPECT_EQ(rows.calls, c.expectedCalls) << c.what;

    // Without a view the tables and indexes change the same way.
    auto unseen = MakePlaylist(c.names, c.current);
    unseen->highlightedRow = 9;
    DeleteEntry(*unseen, c.row, nullptr);
    EXPECT_EQ(FileNames(*unseen), c.expectedNames) << c.what;
    EXPECT_EQ(unseen->currentIndex, c.expectedCurrent) << c.what;
    EXPECT_EQ(unseen->highlightedRow, c.expectedHighlight) << c.what;
  }
}

TEST(DeleteEntry, MovedEntriesKeepTheirFolders) {
  auto playlist = MakePlaylist({u"X"}, 0);
  WideCopy(playlist->folder[1], u"/A/Long/Folder/");
  WideCopy(playlist->fileName[1], u"Y");
  playlist->playlistCount = 2;
  DeleteEntry(*playlist, 0, nullptr);
  char16_t path[kTrackPathField] = {};
  ASSERT_TRUE(TrackPath(*playlist, 0, path));
  EXPECT_EQ(WideView(path), u"/A/Long/Folder/Y");
}

TEST(DeleteEntry, DeletingTheMarkedLastRowLeavesNothingToDeleteUntilATap) {
  auto playlist = MakePlaylist({u"X", u"Y", u"Z"}, 0);
  playlist->highlightedRow = 2;
  RecordingRows rows;
  DeleteEntry(*playlist, playlist->highlightedRow, &rows);
  DeleteEntry(*playlist, playlist->highlightedRow, &rows);
  EXPECT_EQ(FileNames(*playlist), (std::vector<std::u16string>{u"X", u"Y"}));
  EXPECT_EQ(rows.calls, (std::vector<std::string>{"remove 2", "mark -1"}));
}

TEST(DeleteAll, EmptiesAndShowsThePlaceholderOnlyWhenThereWereEntries) {
  auto playlist = MakePlaylist({u"X", u"Y"}, 1);
  RecordingRows rows;
  DeleteAll(*playlist, &rows);
  EXPECT_EQ(playlist->playlistCount, 0);
  EXPECT_EQ(playlist->currentIndex, 1);
  EXPECT_EQ(playlist->highlightedRow, -1);
  EXPECT_EQ(rows.calls,
            (std::vector<std::string>{"keep first row", "first row '  No files in playlist '"}));

  auto empty = MakePlaylist(0, 3);
  RecordingRows emptyRows;
  DeleteAll(*empty, &emptyRows);
  DeleteAll(*empty, nullptr);
  EXPECT_EQ(empty->playlistCount, 0);
  EXPECT_EQ(empty->currentIndex, 3);
  EXPECT_EQ(empty->highlightedRow, 0);
  EXPECT_TRUE(emptyRows.calls.empty());
}

TEST(TrackPath, JoinsFolderAndNameForEntriesOnly) {
  auto playlist = MakePlaylist({u"Song.mp3"}, 0);
  const std::u16string longFolder = u"/" + std::u16string(257, u'f') + u"/";
  const std::u16string longName(259, u'n');
  WideCopy(playlist->folder[1], longFolder);
  WideCopy(playlist->fileName[1], longName);
  playlist->playlistCount = 2;

  char16_t path[kTrackPathField] = u"untouched";
  ASSERT_TRUE(TrackPath(*playlist, 0, path));
  EXPECT_EQ(WideView(path), u"/Music/Song.mp3");
  ASSERT_TRUE(TrackPath(*playlist, 1, path));
  EXPECT_EQ(WideView(path), longFolder + longName);

  WideCopy(path, u"untouched");
  for (const std::int32_t index : {-1, 2, 300}) {
    EXPECT_FALSE(TrackPath(*playlist, index, path)) << index;
    EXPECT_EQ(WideView(path), u"untouched");
  }
}

TEST(IsPlaylistIndex, HoldsOnlyInsideThePlaylistAndItsTables) {
  auto playlist = MakePlaylist(3, 0);
  EXPECT_FALSE(IsPlaylistIndex(*playlist, -1));
  EXPECT_TRUE(IsPlaylistIndex(*playlist, 0));
  EXPECT_TRUE(IsPlaylistIndex(*playlist, 2));
  EXPECT_FALSE(IsPlaylistIndex(*playlist, 3));
  playlist->playlistCount = 500;
  EXPECT_FALSE(IsPlaylistIndex(*playlist, 300));
}

TEST(Playlist, StartsEmptyWithThePlaceholderText) {
  const auto playlist = std::make_unique<Playlist>();
  EXPECT_EQ(playlist->playlistCount, 0);
  EXPECT_EQ(playlist->currentIndex, 0);
  EXPECT_EQ(playlist->highlightedRow, 0);
  EXPECT_EQ(WideView(playlist->emptyPlaylistText), u"  No files in playlist ");
}

}  // namespace
}  // namespace solvane
