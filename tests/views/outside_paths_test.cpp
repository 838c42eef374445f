#include "views/outside_paths.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace solvane {
namespace {

TEST(OutsidePaths, NameThePathOfAFileOrOfALocalFileUri) {
  struct Case {
    std::string_view argument;
    std::optional<std::u16string> path;
  };
  const Case cases[] = {
      {"song.mp3", u"song.mp3"},
      {"/music/Album 1/01 Song.mp3", u"/music/Album 1/01 Song.mp3"},
      {"/music/D\xc3\xa9j\xc3\xa0 vu.mp3", u"/music/D\u00e9j\u00e0 vu.mp3"},
      {"file:///music/Album%201/D%C3%A9j%C3%A0%20vu.mp3", u"/music/Album 1/D\u00e9j\u00e0 vu.mp3"},
      {"FILE://localhost/music/a.mp3", u"/music/a.mp3"},
      {"file:///music/100%25.mp3", u"/music/100%.mp3"},
      // Names with no exact UTF-16 form, and URIs that name no local file.
      {"/music/bad\xff.mp3", std::nullopt},
      {"file:///music/bad%FF.mp3", std::nullopt},
      {"/music/\xed\xa0\x80.mp3", std::nullopt},
      {"file:///music/cut%2", std::nullopt},
      {"file:///music/not%zzhex.mp3", std::nullopt},
      {"file:///music/nul%00.mp3", std::nullopt},
      {"file://otherhost/music/a.mp3", std::nullopt},
      // An escaped separator and a fragment, as GLib refuses them.
      {"file:///music/a%2fb.mp3", std::nullopt},
      {"file:///music/a%2Fb.mp3", std::nullopt},
      {"file:///music/a.mp3#1", std::nullopt},
      {"file:///music/%23 one.mp3", u"/music/# one.mp3"},
      {"file:music.mp3", u"file:music.mp3"},
      {"file://", std::nullopt},
      {"-v", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CommandLinePath(c.argument), c.path) << c.argument;
    // The desktop's OpenUri reads a file URI by the same rule, and nothing else.
    const bool uri = c.argument.substr(0, 7) == "file://" || c.argument.substr(0, 7) == "FILE://";
    EXPECT_EQ(FileUriPath(c.argument), uri ? c.path : std::nullopt) << c.argument;
  }
}

}  // namespace
}  // namespace solvane
