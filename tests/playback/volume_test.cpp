#include <optional>

#include "playback_fixture.h"

namespace solvane::testing {
namespace {

using VolumeTest = PlaybackTest;

TEST_F(VolumeTest, KeysStepByThreeWithinZeroToHundredAndRedraw) {
  struct Row {
    std::optional<std::int32_t> read;
    bool up;
    std::int32_t put;
  };
  const Row rows[] = {
      {99, true, 100}, {100, true, 100}, {50, true, 53},
      {2, false, 0},   {0, false, 0},    {50, false, 47},
      {std::nullopt, true, 83},  // a failed read starts from 80
  };
  for (const Row& row : rows) {
    media.volume = row.read;
    media.volumePuts.clear();
    (row.up ? VolumeUp : VolumeDown)(context);
    EXPECT_EQ(media.volumePuts, std::vector<std::int32_t>{row.put});
  }
  EXPECT_EQ(shell.invalidations, 7);
}

TEST_F(VolumeTest, VolumeOutsideTheRangeIsHeldToIt) {
  SetVolume(media, 5000);
  SetVolume(media, -4);
  SetVolume(media, 37);
  EXPECT_EQ(media.volumePuts, (std::vector<std::int32_t>{100, 0, 37}));
}

TEST_F(VolumeTest, MuteFollowsTheFlag) {
  SetMute(media, 1);
  SetMute(media, 0);
  EXPECT_EQ(media.mutePuts, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace solvane::testing
