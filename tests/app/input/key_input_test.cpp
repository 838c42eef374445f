#include "app/input/key_input.h"

#include <gtest/gtest.h>

#include "tests/app/core_rig.h"

namespace solvane::testing {
namespace {

struct KeyCase {
  int key;
  std::int32_t volumeBefore;
  std::int32_t volumeAfter;
};

class KeyInputTest : public ::testing::TestWithParam<KeyCase> {
 protected:
  CoreRig rig;
};

TEST_P(KeyInputTest, ArrowsStepTheVolumeWithinItsRangeAndAlwaysRepaint) {
  rig.media.volume = GetParam().volumeBefore;
  EXPECT_TRUE(HandleKeyDown(rig.playback, GetParam().key));
  EXPECT_EQ(rig.media.volume, GetParam().volumeAfter);
  EXPECT_EQ(rig.shell.invalidations, 1);
}

INSTANTIATE_TEST_SUITE_P(Volume, KeyInputTest,
                         ::testing::Values(KeyCase{kVirtualKeyUp, 50, 53},
                                           KeyCase{kVirtualKeyUp, 99, 100},
                                           KeyCase{kVirtualKeyUp, 100, 100},
                                           KeyCase{kVirtualKeyDown, 50, 47},
                                           KeyCase{kVirtualKeyDown, 2, 0},
                                           KeyCase{kVirtualKeyDown, 0, 0}));

TEST(KeyInput, OtherKeysAreIgnored) {
  CoreRig rig;
  const int others[] = {0x25, 0x27, 0x0D, 0x20, 0x41};
  for (int key : others) {
    EXPECT_FALSE(HandleKeyDown(rig.playback, key));
  }
  EXPECT_TRUE(rig.media.volumePuts.empty());
  EXPECT_EQ(rig.shell.invalidations, 0);
}

}  // namespace
}  // namespace solvane::testing
