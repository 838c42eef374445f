// Folders read for the browser and for folders opened from outside: every
// media ending is taken in name order, the browser stops at 200 and an open
// at its own limit, and a reading can be stopped.

#include "playlist/folder_entries.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "playlist/file_browser.h"
#include "playlist/qt_name_order.h"
#include "tests/fakes/made_folder.h"
#include "tests/fakes/media_folder_names.h"

namespace solvane {
namespace {

class FolderEntriesTest : public ::testing::Test {
 protected:
  void Make(const std::u16string& name) { folder_.File(WideToUtf8(u"music/" + name).value()); }

  std::u16string Music() const { return folder_.Wide() + u"music/"; }

  std::vector<std::u16string> BrowserNames() {
    const auto listing = std::make_unique<BrowserListing>();
    WideCopy(listing->browserFolder, folder_.Wide());
    EXPECT_TRUE(ListFolder(*listing, u"music", order_));
    std::vector<std::u16string> names;
    for (std::int32_t i = 0; i < listing->count; ++i) {
      names.emplace_back(WideView(listing->entries[i].name));
    }
    return names;
  }

  testing::MadeFolder folder_;
  // The numbers in the names order them whatever the locale.
  CollatedNameOrder order_{QLocale(QLocale::English)};
};

TEST_F(FolderEntriesTest, EveryMediaEndingInEitherCaseIsListedInNameOrder) {
  for (const std::u16string& name : testing::NotMediaNames()) {
    Make(name);
  }
  for (const std::u16string& name : testing::EveryMediaEndingName()) {
    Make(name);
  }
  const std::vector<std::u16string> expected = testing::EveryMediaEndingName();
  EXPECT_EQ(BrowserNames(), expected);
  EXPECT_EQ(ListMediaFiles(Music(), 300, order_), expected);
}

TEST_F(FolderEntriesTest, ThreeHundredFiftyFilesGiveTheBrowserTwoHundredAndAnOpenItsLimit) {
  for (int i = 350; i >= 1; --i) {
    Make(u"t" + Wide(std::to_string(i)) + u".ogg");
  }
  const std::vector<std::u16string> browser = BrowserNames();
  ASSERT_EQ(browser.size(), 200u);
  EXPECT_EQ(browser.back(), u"t200.ogg");
  const std::vector<std::u16string> opened = ListMediaFiles(Music(), 300, order_);
  ASSERT_EQ(opened.size(), 300u);
  EXPECT_EQ(opened.front(), u"t1.ogg");
  EXPECT_EQ(opened.back(), u"t300.ogg");
}

TEST_F(FolderEntriesTest, ReadingStopsWhenAskedAndUnreadableFoldersGiveNothing) {
  for (int i = 0; i < 50; ++i) {
    Make(u"s" + Wide(std::to_string(i)) + u".flac");
  }
  int asked = 0;
  const std::vector<std::u16string> stopped =
      ListMediaFiles(Music(), 300, order_, [&asked] { return ++asked <= 10; });
  EXPECT_TRUE(stopped.empty());
  EXPECT_EQ(asked, 12);  // ten entries read, the eleventh refused, and once more after
  EXPECT_TRUE(ListMediaFiles(folder_.Wide() + u"missing/", 300, order_).empty());
  EXPECT_TRUE(ListMediaFiles(u"/\xd800/", 300, order_).empty());
}

}  // namespace
}  // namespace solvane
