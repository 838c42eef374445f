#include "playlist/first_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

#include "tests/fakes/made_folder.h"

namespace solvane {
namespace {

struct UserDirsCase {
  const char* text;
  std::optional<std::string_view> home;
  std::optional<std::string> music;
};

TEST(FirstFolderTest, ReadsTheMusicFolderFromAUserDirsFile) {
  const UserDirsCase cases[] = {
      {"# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
       "XDG_MUSIC_DIR=\"$HOME/Music\"\n",
       "/home/ann", "/home/ann/Music"},
      {"XDG_MUSIC_DIR=\"${HOME}/Musik\"", "/home/ann", "/home/ann/Musik"},
      {"XDG_MUSIC_DIR=\"/srv/songs\"\r\n", std::nullopt, "/srv/songs"},
      {"  XDG_MUSIC_DIR = \"$HOME/My \\\"best\\\" songs\"  \n", "/h", "/h/My \"best\" songs"},
      {"XDG_MUSIC_DIR=/data/music\n", std::nullopt, "/data/music"},
      {"XDG_MUSIC_DIR=\"$HOME/Old\"\nXDG_MUSIC_DIR=\"$HOME/New\"", "/h", "/h/New"},  // the last wins
      {"XDG_MUSIC_DIR=\"$HOME/Music\"", std::nullopt, std::nullopt},  // no home to expand
      {"XDG_MUSIC_DIR=\"Music\"", "/h", std::nullopt},                 // not absolute
      {"XDG_MUSIC_DIR=\"\"", "/h", std::nullopt},
      {"# XDG_MUSIC_DIR=\"/commented\"\nXDG_MUSIC_DIRS=\"/other\"", "/h", std::nullopt},
      {"", "/h", std::nullopt},
  };
  for (const UserDirsCase& c : cases) {
    EXPECT_EQ(MusicFolderFromUserDirs(c.text, c.home), c.music) << c.text;
  }
}

class FirstBrowserFolderTest : public ::testing::Test {
 protected:
  std::u16string First() const {
    return FirstBrowserFolder([this](const char* name) -> std::optional<std::string> {
      const auto found = environment_.find(name);
      return found == environment_.end() ? std::nullopt : std::optional(found->second);
    });
  }

  void WriteUserDirs(const std::filesystem::path& configFolder, const std::string& text) {
    std::filesystem::create_directories(configFolder);
    std::ofstream(configFolder / "user-dirs.dirs") << text;
  }

  std::string Home() const { return (disk_.Path() / "home").string(); }
  std::u16string WideHome() const { return disk_.Wide() + u"home/"; }

  testing::MadeFolder disk_;
  std::map<std::string, std::string> environment_;
};

TEST_F(FirstBrowserFolderTest, TheMusicFolderNamedInTheUserFoldersFile) {
  disk_.Folder("home/Music");
  WriteUserDirs(Home() + "/.config", "XDG_MUSIC_DIR=\"$HOME/Music/\"\n");
  environment_["HOME"] = Home();
  EXPECT_EQ(First(), WideHome() + u"Music/");
}

TEST_F(FirstBrowserFolderTest, TheFoldersFileIsLookedForUnderXdgConfigHome) {
  disk_.Folder("home/Music");
  disk_.Folder("home/Songs");
  WriteUserDirs(Home() + "/.config", "XDG_MUSIC_DIR=\"$HOME/Music\"\n");
  WriteUserDirs(disk_.Path() / "config", "XDG_MUSIC_DIR=\"$HOME/Songs\"\n");
  environment_["HOME"] = Home();
  environment_["XDG_CONFIG_HOME"] = (disk_.Path() / "config").string();
  EXPECT_EQ(First(), WideHome() + u"Songs/");

  // A relative setting is not a place to look; the default is used.
  environment_["XDG_CONFIG_HOME"] = "config";
  EXPECT_EQ(First(), WideHome() + u"Music/");
}

TEST_F(FirstBrowserFolderTest, TheHomeFolderWithoutAFoldersFileOrAMusicFolder) {
  disk_.Folder("home");
  environment_["HOME"] = Home() + "/";
  EXPECT_EQ(First(), WideHome());

  // A folders file that names a music folder which is not there.
  WriteUserDirs(Home() + "/.config", "XDG_MUSIC_DIR=\"$HOME/Music\"\n");
  EXPECT_EQ(First(), WideHome());
}

TEST_F(FirstBrowserFolderTest, TheRootWithoutAHome) {
  EXPECT_EQ(First(), u"/");
  environment_["HOME"] = "";
  EXPECT_EQ(First(), u"/");
  environment_["HOME"] = (disk_.Path() / "missing").string();
  EXPECT_EQ(First(), u"/");

  // An absolute music folder still serves when only the config folder is set.
  environment_.erase("HOME");
  disk_.Folder("songs");
  WriteUserDirs(disk_.Path() / "config",
                "XDG_MUSIC_DIR=\"" + (disk_.Path() / "songs").string() + "\"\n");
  environment_["XDG_CONFIG_HOME"] = (disk_.Path() / "config").string();
  EXPECT_EQ(First(), disk_.Wide() + u"songs/");
}

}  // namespace
}  // namespace solvane
