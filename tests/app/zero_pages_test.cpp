#include "app/zero_pages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <vector>

namespace solvane {
namespace {

class ZeroPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    memory = static_cast<unsigned char*>(
        ::mmap(nullptr, kPages * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(memory, MAP_FAILED);
  }
  void TearDown() override { ::munmap(memory, kPages * page); }

  std::vector<bool> Resident() const {
    std::array<unsigned char, kPages> flags{};
    EXPECT_EQ(::mincore(memory, kPages * page, flags.data()), 0);
    std::vector<bool> resident;
    for (const unsigned char flag : flags) {
      resident.push_back((flag & 1) != 0);
    }
    return resident;
  }

  static constexpr std::size_t kPages = 8;
  const std::size_t page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  unsigned char* memory = nullptr;
};

// Pages 1 and 5 hold a byte each; the range handed over starts and ends
// inside pages 0 and 7. Only the whole zero pages inside go back, and every
// byte reads as it did.
TEST_F(ZeroPagesTest, GivesBackOnlyWholeZeroPagesAndKeepsEveryByte) {
  for (std::size_t i = 0; i < kPages * page; ++i) {
    memory[i] = 0;  // written, so resident
  }
  memory[page + 17] = 0x5a;
  memory[6 * page - 1] = 0xa5;
  ASSERT_EQ(Resident(), std::vector<bool>(kPages, true));

  ReleaseZeroPages(memory + 100, kPages * page - 200);

  EXPECT_EQ(Resident(), (std::vector<bool>{true, true, false, false, false, true, false, true}));
  for (std::size_t i = 0; i < kPages * page; ++i) {
    const unsigned char expected = i == page + 17 ? 0x5a : i == 6 * page - 1 ? 0xa5 : 0;
    ASSERT_EQ(memory[i], expected) << i;
  }
  memory[3 * page + 5] = 7;  // a page given back takes writes again
  EXPECT_EQ(memory[3 * page + 5], 7);
}

TEST_F(ZeroPagesTest, NothingWithinASinglePageOrAtNullIsGivenBack) {
  for (std::size_t i = 0; i < kPages * page; ++i) {
    memory[i] = 0;
  }
  ReleaseZeroPages(memory + 1, page);
  ReleaseZeroPages(nullptr, kPages * page);
  EXPECT_EQ(Resident(), std::vector<bool>(kPages, true));
}

}  // namespace
}  // namespace solvane
