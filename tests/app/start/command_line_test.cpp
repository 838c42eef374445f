#include "app/start/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace solvane {
namespace {

TEST(CommandLine, KnowsOnlyTheRegistrationSwitches) {
  for (const char* argument :
       {"-RegServer", "/RegServer", "-UnregServer", "/unregserver", "-REGSERVER"}) {
    EXPECT_TRUE(IsRegistrationSwitch(argument)) << argument;
  }
  for (const char* argument : {"RegServer", "--RegServer", "-RegServer2", "-", "/", "", "-Reg",
                               "song.mp3", "/music/RegServer"}) {
    EXPECT_FALSE(IsRegistrationSwitch(argument)) << argument;
  }
}

TEST(CommandLine, LooksPastTheProgramName) {
  const std::vector<const char*> withSwitch = {"solvane", "x", "/RegServer"};
  const std::vector<const char*> programOnly = {"-RegServer"};
  const std::vector<const char*> none = {"solvane", "-v"};
  EXPECT_TRUE(HasRegistrationSwitch(withSwitch));
  EXPECT_FALSE(HasRegistrationSwitch(programOnly));
  EXPECT_FALSE(HasRegistrationSwitch(none));
  EXPECT_FALSE(HasRegistrationSwitch({}));
}

TEST(CommandLine, NamesThePathOfAFileOrOfALocalFileUri) {
  struct Case {
    std::string_view argument;
    std::optional<std::u16string> path;
  };
  const Case cases[] = {
      {"song.mp3", u"song.mp3"},
      {"/music/Album 1/01 Song.mp3", u"/music/Album 1/01 Song.mp3"},
      {"/music/D\xc3\xa9j\xc3\xa0 vu.mp3", u"/music/D\u00e9j\u00e0 vu.mp3"},
      {"file:///music/Album%201/D%C3%A9j%C3%A0%20vu.mp3", u"/music/Album 1/D\u00e9j\u00e0 vu.mp3"},
      {"FILE://localhost/music/a%2fb.mp3", u"/music/a/b.mp3"},
      {"file:///music/100%25.mp3", u"/music/100%.mp3"},
      // Names with no exact UTF-16 form, and URIs that name no local file.
      {"/music/bad\xff.mp3", std::nullopt},
      {"file:///music/bad%FF.mp3", std::nullopt},
      {"/music/\xed\xa0\x80.mp3", std::nullopt},
      {"file:///music/cut%2", std::nullopt},
      {"file:///music/not%zzhex.mp3", std::nullopt},
      {"file:///music/nul%00.mp3", std::nullopt},
      {"file://otherhost/music/a.mp3", std::nullopt},
      {"file:music.mp3", u"file:music.mp3"},
      {"file://", std::nullopt},
      {"-v", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CommandLinePath(c.argument), c.path) << c.argument;
  }
}

}  // namespace
}  // namespace solvane
