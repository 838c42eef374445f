#include "playlist/state_file.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/playlist/state_records.h"
#include "tests/fakes/made_folder.h"
#include "tests/fakes/watchdog.h"

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

constexpr std::chrono::milliseconds kPrompt{5000};

// The names in `folder`, sorted.
std::vector<std::string> EntriesOf(const fs::path& folder) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
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

  // The disk fills up while writing.
  {
    const FileSizeLimit limit(4096);
    errno = 0;
    EXPECT_FALSE(Save(path_, FullRecords()));
    EXPECT_EQ(errno, EFBIG);
  }
  EXPECT_EQ(FileBytes(fileSystemPath_), previousBytes);
  EXPECT_EQ(EntriesOf(folder_.Path()), std::vector<std::string>{"solvane.dat"});

  StateRecords loaded;
  ASSERT_TRUE(Load(path_, loaded));
  EXPECT_EQ(FirstDifference(loaded, previous), "");
}

TEST_F(StateFileTest, AFolderInTheFilesPlaceIsLeftAloneAndNoNewFileStays) {
  ASSERT_TRUE(fs::create_directories(fileSystemPath_ / "inside"));
  errno = 0;
  EXPECT_FALSE(Save(path_, FullRecords()));
  EXPECT_EQ(errno, EISDIR);
  EXPECT_TRUE(fs::is_directory(fileSystemPath_ / "inside"));
  EXPECT_EQ(EntriesOf(folder_.Path()), std::vector<std::string>{"solvane.dat"});
}

TEST_F(StateFileTest, ASaveIntoAFolderThatCannotExistFailsAndSaysWhy) {
  std::ofstream(folder_.Path() / "plain").put('x');
  errno = 0;
  EXPECT_FALSE(Save(folder_.Wide() + u"plain/solvane.dat", FullRecords()));
  EXPECT_EQ(errno, ENOTDIR);
  EXPECT_EQ(fs::file_size(folder_.Path() / "plain"), 1u);
}

// Anything of the old fixed temporary name, or another saver's file, is no
// obstacle: each save makes a file of its own name.
TEST_F(StateFileTest, ASaveMakesItsOwnTemporaryFileAndLeavesOthersAlone) {
  ASSERT_TRUE(fs::create_directories(folder_.Path() / "solvane.dat.tmp" / "busy"));
  ASSERT_TRUE(Save(path_, FullRecords()));
  ASSERT_TRUE(Save(path_, StateRecords()));
  EXPECT_EQ(fs::file_size(fileSystemPath_), 600u);
  EXPECT_EQ(EntriesOf(folder_.Path()),
            (std::vector<std::string>{"solvane.dat", "solvane.dat.tmp"}));
}

TEST_F(StateFileTest, TheNewFileKeepsTheOldOnesPermissionBits) {
  for (const fs::perms bits : {fs::perms::owner_read | fs::perms::owner_write,
                               fs::perms::owner_read | fs::perms::owner_write |
                                   fs::perms::group_read | fs::perms::others_read}) {
    ASSERT_TRUE(Save(path_, StateRecords()));
    fs::permissions(fileSystemPath_, bits);
    ASSERT_TRUE(Save(path_, FullRecords()));
    EXPECT_EQ(fs::status(fileSystemPath_).permissions(), bits);
  }
}

TEST_F(StateFileTest, AStateFileThatIsALinkStaysALinkToTheSavedFile) {
  const fs::path kept = folder_.Folder("kept");
  fs::create_symlink("kept/real.dat", fileSystemPath_);  // points at a file not there yet
  ASSERT_TRUE(Save(path_, StateRecords()));
  const StateRecords saved = FullRecords();
  ASSERT_TRUE(Save(path_, saved));
  EXPECT_TRUE(fs::is_symlink(fileSystemPath_));
  EXPECT_EQ(fs::file_size(kept / "real.dat"), 600u + 300u * 1040u);
  EXPECT_EQ(EntriesOf(kept), std::vector<std::string>{"real.dat"});
  StateRecords loaded;
  ASSERT_TRUE(Load(path_, loaded));
  EXPECT_EQ(FirstDifference(loaded, saved), "");
}

// A name so long that no longer name fits beside it stands for a folder in
// which no new file can be made: the file is then written where it stands.
TEST_F(StateFileTest, WithoutRoomForANewFileAWritableFileIsOverwrittenInPlace) {
  const std::string longName(252, 'n');
  const std::u16string path = folder_.Wide() + Wide(longName);
  std::ofstream(folder_.Path() / longName) << std::string(5000, 'x');
  const StateRecords saved = FullRecords();
  ASSERT_TRUE(Save(path, saved));
  StateRecords loaded;
  ASSERT_TRUE(Load(path, loaded));
  EXPECT_EQ(FirstDifference(loaded, saved), "");
  ASSERT_TRUE(Save(path, StateRecords()));
  EXPECT_EQ(fs::file_size(folder_.Path() / longName), 600u);
  // Nothing to overwrite: the failure is reported.
  errno = 0;
  EXPECT_FALSE(Save(folder_.Wide() + Wide(std::string(253, 'm')), saved));
  EXPECT_EQ(errno, ENAMETOOLONG);
}

// The fallback above overwrites the one copy there is, so it starts only once
// the whole new size is sure to fit: a save that cannot finish leaves the old
// file as it was, byte for byte.
struct InPlaceFailure {
  const char* what;
  bool oldIsFull;     // the old file holds a full playlist (else an empty one)
  rlim_t sizeLimit;   // the largest file this process may then write
};

class InPlaceSave : public StateFileTest, public ::testing::WithParamInterface<InPlaceFailure> {};

TEST_P(InPlaceSave, ThatCannotFinishLeavesTheOldFileWhole) {
  const std::string longName(252, 'n');
  const std::u16string path = folder_.Wide() + Wide(longName);
  const fs::path file = folder_.Path() / longName;
  std::ofstream(file).put('x');
  ASSERT_TRUE(Save(path, GetParam().oldIsFull ? FullRecords() : StateRecords()));
  const std::vector<char> oldBytes = FileBytes(file);

  StateRecords next = GetParam().oldIsFull ? StateRecords() : FullRecords();
  next.volume = 7;
  {
    const FileSizeLimit limit(GetParam().sizeLimit);
    errno = 0;
    EXPECT_FALSE(Save(path, next));
    EXPECT_EQ(errno, EFBIG);
  }
  EXPECT_EQ(FileBytes(file), oldBytes);
  EXPECT_EQ(EntriesOf(folder_.Path()), std::vector<std::string>{longName});
}

INSTANTIATE_TEST_SUITE_P(
    Failures, InPlaceSave,
    ::testing::Values(
        // 312,600 bytes over 600: the disk holds only part of them.
        InPlaceFailure{"growing_past_the_room", false, 262144},
        // 600 bytes over 312,600: even the first of them cannot all be written.
        InPlaceFailure{"shrinking_below_the_limit", true, 300}),
    [](const auto& test) { return std::string(test.param.what); });

// A save killed midway leaves its temporary file; the next save removes it,
// but not a file that a save still under way holds, nor the user's own files.
TEST_F(StateFileTest, ASaveRemovesTheTemporaryFilesOfKilledSaves) {
  const fs::path killed = folder_.File("solvane.dat.saving-Ab3xYz", 4096);
  const fs::path killedToo = folder_.File("solvane.dat.saving-000000", 10);
  const fs::path underWay = folder_.File("solvane.dat.saving-q1w2e3", 10);
  const int held = ::open(underWay.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
  folder_.File("solvane.dat.backup", 10);
  folder_.File("solvane.dat.saving-toolong", 10);
  folder_.File("other.dat.saving-Ab3xYz", 10);

  ASSERT_TRUE(Save(path_, FullRecords()));
  ::close(held);
  EXPECT_EQ(EntriesOf(folder_.Path()),
            (std::vector<std::string>{"other.dat.saving-Ab3xYz", "solvane.dat", "solvane.dat.backup",
                                      "solvane.dat.saving-q1w2e3", "solvane.dat.saving-toolong"}));
}

// Opening a FIFO for reading waits for a writer, and for writing waits for a
// reader: neither may ever happen to the state file.
TEST_F(StateFileTest, AFifoOrDeviceAsTheStateFileIsRefusedAtOnce) {
  const fs::path fifo = folder_.Fifo("solvane.dat");
  fs::create_symlink(fifo, folder_.Path() / "linked.dat");
  fs::create_symlink("/dev/zero", folder_.Path() / "device.dat");
  for (const char16_t* name : {u"solvane.dat", u"linked.dat", u"device.dat"}) {
    const std::u16string path = folder_.Wide() + name;
    StateRecords loaded;
    EXPECT_FALSE(testing::ReturnsWithin(kPrompt, "LoadState", [&] { return Load(path, loaded); }));
    EXPECT_EQ(FirstDifference(loaded, StateRecords()), "");
    errno = 0;
    EXPECT_FALSE(testing::ReturnsWithin(kPrompt, "SaveState", [&] { return Save(path, loaded); }));
    EXPECT_EQ(errno, EINVAL);
  }
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
}

}  // namespace
}  // namespace solvane
