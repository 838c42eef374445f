#include <gtest/gtest.h>

#include <string>

#include "playlist/file_browser.h"

namespace solvane {
namespace {

std::string Narrow(std::u16string_view text) { return WideToUtf8(text).value_or("?"); }

TEST(FormatSizeText, ShowsMegabytesWithTwoTruncatedDigits) {
  struct Case {
    std::uint32_t size;
    std::u16string_view text;
  };
  const Case cases[] = {
      {0, u"0.01M"},          {10000, u"0.01M"},        {10001, u"0.01M"},
      {19999, u"0.01M"},      {20000, u"0.02M"},        {99999, u"0.09M"},
      {100000, u"0.10M"},     {999999, u"0.99M"},       {1000000, u"1.00M"},
      {3050000, u"3.05M"},    {3456789, u"3.45M"},      {12000000, u"12.00M"},
      {4294967295u, u"4294.96M"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatSizeText(c.size), c.text) << c.size;
  }
}

TEST(BrowserCellText, GivesNameTypeAndSize) {
  BrowserEntry folder;
  folder.attributes = kAttributeFolder;
  WideCopy(folder.name, u"Pop");
  BrowserEntry file;
  file.attributes = kAttributeArchive;
  file.size = 3456789;
  WideCopy(file.name, u"Song.mp3");
  struct Case {
    const BrowserEntry& entry;
    BrowserColumn column;
    std::u16string_view text;
  };
  const Case cases[] = {
      {folder, BrowserColumn::kName, u"Pop"},  {folder, BrowserColumn::kType, u"Dir"},
      {folder, BrowserColumn::kSize, u""},     {file, BrowserColumn::kName, u"Song.mp3"},
      {file, BrowserColumn::kType, u"File"},   {file, BrowserColumn::kSize, u"3.45M"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BrowserCellText(c.entry, c.column), c.text)
        << Narrow(WideView(c.entry.name)) << " " << static_cast<int>(c.column);
  }
}

}  // namespace
}  // namespace solvane
