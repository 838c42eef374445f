#include "playlist/state_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/playlist/state_records.h"
#include "tests/fakes/made_folder.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;

bool Save(std::u16string_view path, const StateRecords& records) {
  return SaveState(path, records.options, *records.playlist, records.player, records.volume);
}

bool Load(std::u16string_view path, StateRecords& records) {
  return LoadState(path, records.options, *records.playlist, records.player, records.volume);
}

std::vector<char> FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

StateRecords FullRecords() {
  StateRecords records;
  records.volume = 42;
  records.player.muted = 1;
  records.player.playPosition = 987;
  records.player.resumePosition = 987;
  records.options.rememberLastPosition = 1;
  WideCopy(records.options.backgroundImagePath, u"/opt/solvane/\u00c5ngstr\u00f6m.bmp");
  for (int i = 0; i < kPlaylistCapacity; ++i) {
    WideCopy(records.playlist->folder[i], u"/M\u00fcsic/");
    WideCopy(records.playlist->fileName[i], Wide(std::to_string(i)) + u" \u266b.mp3");
  }
  records.playlist->playlistCount = kPlaylistCapacity;
  records.playlist->currentIndex = 17;
  return records;
}

// Lowers the largest file this process may write, so that writes past it fail.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit lowered = previous_;
    lowered.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &lowered);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    ::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};

class StateFileTest : public ::testing::Test {
 protected:
  testing::MadeFolder folder_;
  const std::u16string path_ = StateFilePath(folder_.Wide());
  const fs::path fileSystemPath_ = folder_.Path() / "solvane.dat";
};

TEST(StateFilePath, SitsInTheProgramFolder) {
  EXPECT_EQ(StateFilePath(u"/opt/solvane/"), u"/opt/solvane/solvane.dat");
  EXPECT_EQ(StateFilePath(u"/opt/solvane"), u"/opt/solvane/solvane.dat");
  EXPECT_EQ(StateFilePath(u"/"), u"/solvane.dat");
}

TEST_F(StateFileTest, SavesAndLoadsEveryRecord) {
  const StateRecords saved = FullRecords();
  ASSERT_TRUE(Save(path_, saved));
  EXPECT_EQ(fs::file_size(fileSystemPath_), 600u + 300u * 1040u);
  StateRecords loaded;
  ASSERT_TRUE(Load(path_, loaded));
  EXPECT_EQ(FirstDifference(loaded, saved), "");
}

TEST_F(StateFileTest, AnEmptyPlaylistMakesASixHundredByteFileThatReplacesALargerOne) {
  ASSERT_TRUE(Save(path_, FullRecords()));
  ASSERT_TRUE(Save(path_, StateRecords()));
  EXPECT_EQ(fs::file_size(fileSystemPath_), 600u);
  EXPECT_FALSE(fs::exists(folder_.Path() / "solvane.dat.tmp"));
}

TEST_F(StateFileTest, AMissingOrUnreadableFileChangesNothing) {
  ASSERT_TRUE(fs::create_directory(folder_.Path() / "folder.dat"));
  for (const std::u16string& path : {path_, folder_.Wide() + u"folder.dat"}) {
    StateRecords loaded;
    EXPECT_FALSE(Load(path, loaded));
    EXPECT_EQ(FirstDifference(loaded, StateRecords()), "");
  }
}

TEST_F(StateFileTest, APathWithoutAFileSystemFormIsRefused) {
  const std::u16string lone = folder_.Wide() + u"solvane" + char16_t{0xD800} + u".dat";
  const std::u16string nul = folder_.Wide() + std::u16string(u"solvane.dat\0x", 13);
  for (const std::u16string& path : {lone, nul, std::u16string()}) {
    EXPECT_FALSE(Save(path, FullRecords()));
    StateRecords loaded;
    EXPECT_FALSE(Load(path, loaded));
  }
  EXPECT_TRUE(fs::is_empty(folder_.Path()));
}

TEST_F(StateFileTest, AFailedSaveLeavesThePreviousFileWhole) {
  const StateRecords previous = FullRecords();
  ASSERT_TRUE(Save(path_, previous));
  const std::vector<char> previousBytes = FileBytes(fileSystemPath_);

  StateRecords changed;
  changed.volume = 3;
  // The temporary file cannot be made.
  ASSERT_TRUE(fs::create_directories(folder_.Path() / "solvane.dat.tmp" / "busy"));
  EXPECT_FALSE(Save(path_, changed));
  EXPECT_EQ(FileBytes(fileSystemPath_), previousBytes);
  fs::remove_all(folder_.Path() / "solvane.dat.tmp");

  // The disk fills up while writing.
  {
    const FileSizeLimit limit(4096);
    EXPECT_FALSE(Save(path_, FullRecords()));
  }
  EXPECT_EQ(FileBytes(fileSystemPath_), previousBytes);
  EXPECT_FALSE(fs::exists(folder_.Path() / "solvane.dat.tmp"));

  StateRecords loaded;
  ASSERT_TRUE(Load(path_, loaded));
  EXPECT_EQ(FirstDifference(loaded, previous), "");
}

TEST_F(StateFileTest, AFailedRenameRemovesTheTemporaryFile) {
  ASSERT_TRUE(fs::create_directories(fileSystemPath_ / "inside"));
  EXPECT_FALSE(Save(path_, FullRecords()));
  EXPECT_TRUE(fs::is_directory(fileSystemPath_ / "inside"));
  EXPECT_FALSE(fs::exists(folder_.Path() / "solvane.dat.tmp"));
}

TEST_F(StateFileTest, ASaveIntoAFolderThatCannotExistFails) {
  std::ofstream(folder_.Path() / "plain").put('x');
  EXPECT_FALSE(Save(folder_.Wide() + u"plain/solvane.dat", FullRecords()));
  EXPECT_EQ(fs::file_size(folder_.Path() / "plain"), 1u);
}

}  // namespace
}  // namespace solvane
