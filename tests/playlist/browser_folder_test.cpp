#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "playlist/file_browser.h"
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
    ASSERT_TRUE(ReopenBrowserFolder(*listing_));
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

  // The names of `wanted` in the order the file system enumerates them.
  std::vector<std::u16string> EnumerationOrder(const std::set<std::string>& wanted) const {
    std::vector<std::u16string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_.Path())) {
      const std::string name = entry.path().filename().string();
      if (wanted.count(name) != 0) {
        names.push_back(Wide(name));
      }
    }
    return names;
  }

  std::u16string Folder() const { return std::u16string(WideView(listing_->browserFolder)); }

  testing::MadeFolder folder_;
  std::unique_ptr<BrowserListing> listing_ = std::make_unique<BrowserListing>();
};

TEST_F(BrowserFolderTest, ListsFoldersAndRegularMediaFilesInEnumerationOrder) {
  for (const char* name : {"Song.MP3", "song.mp3", "song.mpeg", "song.ogg", "mp3",
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
  EXPECT_EQ(ListedNames(), EnumerationOrder({"Song.MP3", "song.mp3", "Bj\xc3\xb6rk.wma", "x.mp3",
                                             "Sub", "linked folder", "linked.wav"}));
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

TEST_F(BrowserFolderTest, KeepsTheFirst200Entries) {
  std::set<std::string> all;
  for (int i = 0; i < 250; ++i) {
    const std::string name = "track" + std::to_string(i) + ".mp3";
    MakeFile(name, 1);
    all.insert(name);
  }
  ListTestFolder();
  std::vector<std::u16string> first = EnumerationOrder(all);
  first.resize(kBrowserListingCapacity);
  EXPECT_EQ(ListedNames(), first);
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
    EXPECT_TRUE(ListFolder(*listing_, name));
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
  ASSERT_TRUE(ListFolder(*listing_, Wide(outer)));
  const std::u16string outerFolder = Folder();
  const std::vector<std::u16string> outerNames = ListedNames();
  ASSERT_EQ(outerNames.size(), 2u);

  EXPECT_FALSE(ListFolder(*listing_, Wide(tooLong)));
  EXPECT_EQ(Folder(), outerFolder);
  EXPECT_EQ(ListedNames(), outerNames);

  EXPECT_TRUE(ListFolder(*listing_, Wide(fits)));
  EXPECT_EQ(Folder().size(), kPathField - 1);
}

TEST_F(BrowserFolderTest, WalksDownFromTheRoot) {
  ASSERT_TRUE(ListFolder(*listing_, u"/"));
  EXPECT_EQ(Folder(), u"/");
  for (const fs::path& component : folder_.Path().relative_path()) {
    ASSERT_NE(Find(Wide(component.string())), nullptr) << component;
    ASSERT_TRUE(ListFolder(*listing_, Wide(component.string())));
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
    EXPECT_EQ(UpFolder(*listing_), c.listed) << WideToUtf8(c.from).value_or("");
    EXPECT_EQ(Folder(), c.to);
  }
}

TEST_F(BrowserFolderTest, UpFolderListsTheParentFolder) {
  MakeFolder("Sub");
  MakeFile("a.mp3");
  ListTestFolder();
  const std::vector<std::u16string> names = ListedNames();
  ASSERT_TRUE(ListFolder(*listing_, u"Sub"));
  EXPECT_EQ(listing_->count, 0);
  ASSERT_TRUE(UpFolder(*listing_));
  EXPECT_EQ(Folder(), folder_.Wide());
  EXPECT_EQ(ListedNames(), names);
}

TEST_F(BrowserFolderTest, ReopeningShowsTheFolderWhereTheBrowserWasLeft) {
  MakeFile("a.mp3");
  ListTestFolder();
  ASSERT_EQ(ListedNames(), std::vector<std::u16string>{u"a.mp3"});
  MakeFile("b.mp3");
  ASSERT_TRUE(ReopenBrowserFolder(*listing_));
  EXPECT_EQ(Folder(), folder_.Wide());
  EXPECT_EQ(ListedNames(), EnumerationOrder({"a.mp3", "b.mp3"}));
}

TEST_F(BrowserFolderTest, ReopeningStartsAtTheRootAndKeepsTheRootListing) {
  ASSERT_TRUE(ReopenBrowserFolder(*listing_));
  EXPECT_EQ(Folder(), u"/");
  const std::string top = folder_.Path().relative_path().begin()->string();
  ASSERT_NE(Find(Wide(top)), nullptr);
  EXPECT_TRUE(IsFolder(*Find(Wide(top))));

  listing_->count = 1;
  WideCopy(listing_->entries[0].name, u"kept as it was");
  EXPECT_FALSE(ReopenBrowserFolder(*listing_));
  EXPECT_EQ(ListedNames(), std::vector<std::u16string>{u"kept as it was"});
}

}  // namespace
}  // namespace solvane
