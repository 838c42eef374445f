#include "playlist/first_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "base/wide_text.h"
#include "tests/fakes/made_folder.h"

namespace solvane {
namespace {

class FirstBrowserFolderTest : public ::testing::Test {
 protected:
  std::u16string First(std::u16string_view musicFolder) const {
    return FirstBrowserFolder(musicFolder, [this](const char* name) -> std::optional<std::string> {
      const auto found = environment_.find(name);
      return found == environment_.end() ? std::nullopt : std::optional(found->second);
    });
  }

  std::string Home() const { return (disk_.Path() / "home").string(); }
  std::u16string WideHome() const { return disk_.Wide() + u"home/"; }

  testing::MadeFolder disk_;
  std::map<std::string, std::string> environment_;
};

// The music folder when it is a folder, else the home folder, else the root;
// each as the browser holds a folder (normal, ending with '/').
TEST_F(FirstBrowserFolderTest, TheMusicFolderThenHomeThenTheRoot) {
  disk_.Folder("home/Music");
  disk_.File("home/song.mp3");
  environment_["HOME"] = Home();
  const struct {
    std::u16string music;
    std::u16string first;
  } cases[] = {
      {WideHome() + u"Music", WideHome() + u"Music/"},
      {WideHome() + u"./Music/", WideHome() + u"Music/"},
      {WideHome() + u"Missing", WideHome()},    // not there
      {WideHome() + u"song.mp3", WideHome()},   // not a folder
      {u"Music", WideHome()},                   // not absolute
      {u"", WideHome()},                        // the desktop names none
  };
  for (const auto& c : cases) {
    EXPECT_EQ(First(c.music), c.first) << WideToUtf8(c.music).value_or("");
  }

  for (const std::string& home : {std::string(), Home() + "/missing", std::string("home")}) {
    environment_["HOME"] = home;
    EXPECT_EQ(First(u""), u"/") << home;
  }
  environment_.erase("HOME");
  EXPECT_EQ(First(u""), u"/");
  EXPECT_EQ(First(WideHome() + u"Music"), WideHome() + u"Music/");
}

}  // namespace
}  // namespace solvane
