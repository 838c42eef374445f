// The one list of media endings: which names it takes, and the MIME types the
// desktop file offers the player for.

#include "playlist/media_types.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/wide_text.h"

namespace solvane {
namespace {

std::string Narrow(std::u16string_view text) { return WideToUtf8(text).value_or("?"); }

std::u16string Upper(std::u16string_view text) {
  std::u16string upper(text);
  for (char16_t& unit : upper) {
    if (unit >= u'a' && unit <= u'z') {
      unit = static_cast<char16_t>(unit - u'a' + u'A');
    }
  }
  return upper;
}

TEST(IsMediaFileName, TakesEveryEndingOfTheListInEitherLetterCase) {
  for (const MediaType& type : kMediaTypes) {
    for (const std::u16string& name :
         {u"song." + std::u16string(type.ending), u"Song." + Upper(type.ending),
          u"a.b." + std::u16string(type.ending), u"." + std::u16string(type.ending)}) {
      EXPECT_TRUE(IsMediaFileName(name)) << Narrow(name);
    }
  }
}

TEST(IsMediaFileName, JudgesTheEndingAfterTheLastDotOnly) {
  struct Case {
    std::u16string_view name;
    bool media;
  };
  const Case cases[] = {
      {u"Mixed.FlAc", true},      {u"\u00e9t\u00e9.Opus", true}, {u"01 Intro.wv", true},
      {u"notes.txt", false},      {u"cover.jpg", false},          {u"song.lrc", false},
      {u"song.LRC", false},       {u"mp3", false},                {u"flac", false},
      {u"", false},               {u"song.mp3 ", false},          {u"songmp3", false},
      {u"song.mp3.part", false},  {u"song.mpeg", false},          {u"song.mp\u00b3", false},
      {u"song.", false},          {u"song.fla", false},           {u"song.m4", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsMediaFileName(c.name), c.media) << Narrow(c.name);
  }
}

TEST(MediaMimeTypes, NameEachTypeOnceAndAreWhatTheDesktopFileOffers) {
  const std::vector<std::string> types = MediaMimeTypes();
  for (const char* expected : {"audio/mpeg", "audio/flac", "audio/ogg", "audio/x-opus+ogg",
                               "audio/mp4", "audio/aac", "audio/x-wavpack", "audio/x-matroska",
                               "video/x-ms-wmv"}) {
    EXPECT_EQ(std::count(types.begin(), types.end(), expected), 1) << expected;
  }

  std::ifstream desktop(SOLVANE_SOURCE_DIR "/resources/solvane.desktop");
  std::string line;
  std::string offered;
  while (std::getline(desktop, line)) {
    if (line.rfind("MimeType=", 0) == 0) {
      offered = line.substr(9);
    }
  }
  std::string listed;
  for (const std::string& type : types) {
    listed += type + ";";
  }
  EXPECT_EQ(offered, listed);
}

}  // namespace
}  // namespace solvane
