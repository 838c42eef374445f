#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "playlist/file_browser.h"
#include "tests/fakes/code_unit_order.h"
#include "tests/fakes/made_folder.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;

class BrowserFolderTest : public ::testing::Test {
 protected:
  void MakeFile(const std::string& name, std::uintmax_t size = 100) {
    std::ofstream(folder_.Path() / name).put('x');
    fs::resize_file(folder_.Path() / name, size);
  }

  void MakeFolder(const std::string& name) { fs::create_directories(folder_.Path() / name); }

  // Lists the test folder as re-opening the browser there would.
  void ListTestFolder() {
    WideCopy(listing_->browserFolder, folder_.Wide());
    ASSERT_TRUE(ReopenBrowserFolder(*listing_, u"/", order_));
  }

  std::vector<std::u16string> ListedNames() const {
    std::vector<std::u16string> names;
    for (std::int32_t i = 0; i < listing_->count; ++i) {
      names.emplace_back(WideView(listing_->entries[i].name));
    }
    return names;
  }

  const BrowserEntry* Find(std::u16string_view name) const {
    for (std::int32_t i = 0; i < listing_->count; ++i) {
      if (WideView(listing_->entries[i].name) == name) {
        return &listing_->entries[i];
      }
    }
    return nullptr;
  }

  std::u16string Folder() const { return std::u16string(WideView(listing_->browserFolder)); }

  testing::MadeFolder folder_;
  testing::CodeUnitOrder order_;
  std::unique_ptr<BrowserListing> listing_ = std::make_unique<BrowserListing>();
};

TEST_F(BrowserFolderTest, ListsFoldersAndRegularMediaFilesInTheOrderGiven) {
  for (const char* name : {"Song.MP3", "song.mp3", "song.mpeg", "song.ogg", "song.txt", "mp3",
                           "Bj\xc3\xb6rk.wma", "\xff\xfe.mp3"}) {
    MakeFile(name);
  }
  MakeFolder("x.mp3");
  MakeFolder("Sub");
  fs::create_directory_symlink(folder_.Path() / "Sub", folder_.Path() / "linked folder");
  fs::create_symlink(folder_.Path() / "Song.MP3", folder_.Path() / "linked.wav");
  fs::create_symlink(folder_.Path() / "missing.mp3", folder_.Path() / "gone.mp3");
  ASSERT_EQ(::mkfifo((folder_.Path() / "pipe.mp3").c_str(), 0600), 0);

  ListTestFolder();
  EXPECT_EQ(Folder(), folder_.Wide());
  EXPECT_EQ(ListedNames(), (std::vector<std::u16string>{u"Bj\u00f6rk.wma", u"Song.MP3", u"Sub",
                                                        u"linked folder", u"linked.wav",
                                                        u"song.mp3", u"song.ogg", u"x.mp3"}));
  for (const std::u16string_view name : {u"x.mp3", u"Sub", u"linked folder"}) {
    const BrowserEntry* entry = Find(name);
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(IsFolder(*entry));
    EXPECT_EQ(entry->size, 0u);
  }
  for (const std::u16string_view name : {u"Song.MP3", u"linked.wav"}) {
    const BrowserEntry* entry = Find(name);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->attributes, kAttributeArchive);
    EXPECT_EQ(entry->size, 100u);
  }
}

// Names from last to first: an order no file system enumerates in.
class ReversedOrder final : public NameOrder {
 public:
  bool Before(std::u16string_view left, std::u16string_view right) const override {
    return right < left;
  }
};

// Folders and files mixed in the order given; the cap keeps the first 200
// of the sorted folder, so the names that sort first are all there whatever
// order the file system gives.
TEST_F(BrowserFolderTest, SortsBeforeKeepingTheFirst200) {
  std::vector<std::u16string> names;
  for (int i = 0; i < 243; ++i) {
    const std::string name = "zz " + std::to_string(i) + (i % 2 == 0 ? ".wav" : "");
    i % 2 == 0 ? MakeFile(name, 1) : MakeFolder(name);
    names.push_back(Wide(name));
  }
  const ReversedOrder reversed;
  WideCopy(listing_->browserFolder, folder_.Wide());
  ASSERT_TRUE(ReopenBrowserFolder(*listing_, u"/", reversed));

  std::sort(names.begin(), names.end(), std::greater<>());
  names.resize(kBrowserListingCapacity);
  EXPECT_EQ(ListedNames(), names);
  ASSERT_NE(Find(u"zz 99"), nullptr);
  EXPECT_TRUE(IsFolder(*Find(u"zz 99")));
}

TEST_F(BrowserFolderTest, SizesAreTheLow32BitsOfTheFileSize) {
  MakeFile("a.mp3", 3050000);
  MakeFile("b.mp3", (std::uintmax_t{1} << 32) + 5);
  ListTestFolder();
  ASSERT_NE(Find(u"a.mp3"), nullptr);
  ASSERT_NE(Find(u"b.mp3"), nullptr);
  EXPECT_EQ(Find(u"a.mp3")->size, 3050000u);
  EXPECT_EQ(Find(u"b.mp3")->size, 5u);
}

TEST_F(BrowserFolderTest, AFolderThatCannotBeReadListsEmptyButIsStillShown) {
  MakeFile("plain.mp3");
  for (const std::u16string_view name : {u"missing", u"plain.mp3"}) {
    ListTestFolder();
    ASSERT_GT(listing_->count, 0);
    EXPECT_TRUE(ListFolder(*listing_, name, order_));
    EXPECT_EQ(listing_->count, 0);
    EXPECT_EQ(Folder(), folder_.Wide() + std::u16string(name) + u"/");
  }
}

TEST_F(BrowserFolderTest, RefusesAFolderWhosePathWouldNotFit) {
  const std::string outer(150, 'o');
  const std::size_t outerLength = folder_.Wide().size() + outer.size() + 1;
  ASSERT_LT(outerLength + 20, kPathField);
  // With its '/', the first fills the field to 259 units; the second is one longer.
  const std::string fits(kPathField - 2 - outerLength, 'f');
  const std::string tooLong(fits.size() + 1, 't');
  MakeFolder(outer + "/" + fits);
  MakeFolder(outer + "/" + tooLong);

  WideCopy(listing_->browserFolder, folder_.Wide());
  ASSERT_TRUE(ListFolder(*listing_, Wide(outer), order_));
  const std::u16string outerFolder = Folder();
  const std::vector<std::u16string> outerNames = ListedNames();
  ASSERT_EQ(outerNames.size(), 2u);

  EXPECT_FALSE(ListFolder(*listing_, Wide(tooLong), order_));
  EXPECT_EQ(Folder(), outerFolder);
  EXPECT_EQ(ListedNames(), outerNames);

  EXPECT_TRUE(ListFolder(*listing_, Wide(fits), order_));
  EXPECT_EQ(Folder().size(), kPathField - 1);
}

TEST_F(BrowserFolderTest, WalksDownFromTheRoot) {
  ASSERT_TRUE(ListFolder(*listing_, u"/", order_));
  EXPECT_EQ(Folder(), u"/");
  for (const fs::path& component : folder_.Path().relative_path()) {
    ASSERT_NE(Find(Wide(component.string())), nullptr) << component;
    ASSERT_TRUE(ListFolder(*listing_, Wide(component.string()), order_));
  }
  EXPECT_EQ(Folder(), folder_.Wide());
}

TEST_F(BrowserFolderTest, UpFolderGoesToTheParentAndStopsAtTheRoot) {
  struct Case {
    std::u16string_view from;
    std::u16string_view to;
    bool listed;
  };
  const Case cases[] = {
      {u"", u"", false},
      {u"/", u"/", false},
      {u"/Music/", u"/", true},
      {u"/Music/Pop/", u"/Music/", true},
      {u"/Music/Pop/Old/", u"/Music/Pop/", true},
  };
  for (const Case& c : cases) {
    WideCopy(listing_->browserFolder, c.from);
    EXPECT_EQ(UpFolder(*listing_, order_), c.listed) << WideToUtf8(c.from).value_or("");
    EXPECT_EQ(Folder(), c.to);
  }
}

TEST_F(BrowserFolderTest, UpFolderListsTheParentFolder) {
  MakeFolder("Sub");
  MakeFile("a.mp3");
  ListTestFolder();
  const std::vector<std::u16string> names = ListedNames();
  ASSERT_TRUE(ListFolder(*listing_, u"Sub", order_));
  EXPECT_EQ(listing_->count, 0);
  ASSERT_TRUE(UpFolder(*listing_, order_));
  EXPECT_EQ(Folder(), folder_.Wide());
  EXPECT_EQ(ListedNames(), names);
}

TEST_F(BrowserFolderTest, ReopeningShowsTheFolderWhereTheBrowserWasLeft) {
  MakeFile("a.mp3");
  ListTestFolder();
  ASSERT_EQ(ListedNames(), std::vector<std::u16string>{u"a.mp3"});
  MakeFile("b.mp3");
  ASSERT_TRUE(ReopenBrowserFolder(*listing_, u"/", order_));
  EXPECT_EQ(Folder(), folder_.Wide());
  EXPECT_EQ(ListedNames(), (std::vector<std::u16string>{u"a.mp3", u"b.mp3"}));
}

TEST_F(BrowserFolderTest, ReopeningAtTheRootKeepsTheRootListing) {
  ASSERT_TRUE(ReopenBrowserFolder(*listing_, u"/", order_));
  EXPECT_EQ(Folder(), u"/");
  const std::string top = folder_.Path().relative_path().begin()->string();
  ASSERT_NE(Find(Wide(top)), nullptr);
  EXPECT_TRUE(IsFolder(*Find(Wide(top))));

  listing_->count = 1;
  WideCopy(listing_->entries[0].name, u"kept as it was");
  EXPECT_FALSE(ReopenBrowserFolder(*listing_, folder_.Wide(), order_));
  EXPECT_EQ(ListedNames(), std::vector<std::u16string>{u"kept as it was"});
}

TEST_F(BrowserFolderTest, TheFirstOpeningListsTheFirstFolderAndUpFolderClimbsToTheRoot) {
  folder_.File("Music/Album/01.mp3", 1);
  folder_.File("Music/song.mp3", 1);
  ASSERT_TRUE(ReopenBrowserFolder(*listing_, folder_.Wide() + u"Music/", order_));
  EXPECT_EQ(Folder(), folder_.Wide() + u"Music/");
  EXPECT_EQ(ListedNames(), (std::vector<std::u16string>{u"Album", u"song.mp3"}));

  // Later openings reopen where the browser was left, not the first folder.
  ASSERT_TRUE(ListFolder(*listing_, u"Album", order_));
  ASSERT_TRUE(ReopenBrowserFolder(*listing_, folder_.Wide() + u"Music/", order_));
  EXPECT_EQ(Folder(), folder_.Wide() + u"Music/Album/");

  const fs::path below = folder_.Path().relative_path();
  const auto depth = std::distance(below.begin(), below.end());
  int climbs = 0;
  while (UpFolder(*listing_, order_)) {
    ++climbs;
  }
  EXPECT_EQ(Folder(), u"/");
  EXPECT_EQ(climbs, depth + 2);
}

TEST_F(BrowserFolderTest, AFirstFolderThatIsNotAFolderPathListsTheRoot) {
  for (const std::u16string_view first : {u"", u"/", u"Music/", u"/Music"}) {
    listing_->browserFolder[0] = u'\0';
    ASSERT_TRUE(ReopenBrowserFolder(*listing_, first, order_));
    EXPECT_EQ(Folder(), u"/");
  }
}

}  // namespace
}  // namespace solvane
