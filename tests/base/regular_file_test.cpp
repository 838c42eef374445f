#include "base/regular_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/fakes/made_folder.h"
#include "tests/fakes/watchdog.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;

struct Kind {
  const char* what;
  bool regular;
};

// Every kind of name a path can give, made in `folder` under `what`.
fs::path Make(const testing::MadeFolder& folder, const std::string& what) {
  const fs::path path = folder.Path() / what;
  if (what == "regular") {
    return folder.File(what, 3);
  }
  if (what == "link_to_regular") {
    fs::create_symlink(folder.File("target", 3), path);
  } else if (what == "fifo") {
    return folder.Fifo(what);
  } else if (what == "link_to_fifo") {
    fs::create_symlink(folder.Fifo("pipe"), path);
  } else if (what == "device") {
    fs::create_symlink("/dev/zero", path);
  } else if (what == "folder") {
    return folder.Folder(what);
  } else if (what == "dangling_link") {
    fs::create_symlink(folder.Path() / "nowhere", path);
  }
  return path;  // "missing": nothing made
}

class RegularFile : public ::testing::TestWithParam<Kind> {
 protected:
  testing::MadeFolder folder_;
};

TEST_P(RegularFile, OnlyRegularFilesOpenAndNothingElseIsWaitedOn) {
  const std::string path = Make(folder_, GetParam().what).string();
  EXPECT_EQ(IsRegularFile(path), GetParam().regular);

  const int fd = testing::ReturnsWithin(std::chrono::seconds(5), GetParam().what,
                                        [&] { return OpenRegularFileForReading(path); });
  EXPECT_EQ(fd >= 0, GetParam().regular);
  if (fd >= 0) {
    char bytes[8] = {};
    EXPECT_EQ(::read(fd, bytes, sizeof(bytes)), 3);  // a blocking descriptor, at the start
    ::close(fd);
  } else {
    EXPECT_NE(errno, 0);
  }

  std::FILE* stream = testing::ReturnsWithin(std::chrono::seconds(5), GetParam().what,
                                             [&] { return OpenRegularFileStream(path); });
  EXPECT_EQ(stream != nullptr, GetParam().regular);
  if (stream != nullptr) {
    std::fclose(stream);
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, RegularFile,
                         ::testing::Values(Kind{"regular", true}, Kind{"link_to_regular", true},
                                           Kind{"fifo", false}, Kind{"link_to_fifo", false},
                                           Kind{"device", false}, Kind{"folder", false},
                                           Kind{"dangling_link", false}, Kind{"missing", false}),
                         [](const auto& test) { return std::string(test.param.what); });

// A file opened and checked is opened again through its descriptor, whatever
// its name has become meanwhile.
TEST(DescriptorPath, OpensTheCheckedFileThoughAFifoTookItsName) {
  const testing::MadeFolder folder;
  const std::string path = folder.File("song.mp3", 3).string();
  const int checked = OpenRegularFileForReading(path);
  ASSERT_GE(checked, 0);
  fs::rename(folder.Fifo("pipe"), path);

  const int again = testing::ReturnsWithin(std::chrono::seconds(5), "reopen", [&] {
    return OpenRegularFileForReading(DescriptorPath(checked));
  });
  ASSERT_GE(again, 0);
  char bytes[8] = {};
  EXPECT_EQ(::read(again, bytes, sizeof(bytes)), 3);
  ::close(again);
  ::close(checked);
}

}  // namespace
}  // namespace solvane
