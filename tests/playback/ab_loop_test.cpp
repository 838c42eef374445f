#include <vector>

#include "playback_fixture.h"

namespace solvane::testing {
namespace {

class ABLoopTest : public PlaybackTest {
 protected:
  ABLoopTest() {
    AddEntries(1);
    StartTrack(context, 0);
  }
};

struct Press {
  std::int32_t position;  // play position at the press
  std::int32_t active, stage, start, end;
};

TEST_F(ABLoopTest, MarkSequences) {
  struct Case {
    const char* name;
    std::vector<Press> presses;
    std::vector<double> seeks;
  };
  const Case cases[] = {
      {"A, B, clear", {{100, 1, 1, 100, 0}, {250, 1, 2, 100, 250}, {260, 0, 0, 100, 250}}, {10.0}},
      {"B before A swaps", {{300, 1, 1, 300, 0}, {120, 1, 2, 120, 300}}, {12.0}},
      {"one second arms", {{100, 1, 1, 100, 0}, {110, 1, 2, 100, 110}}, {10.0}},
      {"under a second arms nothing, next press is a new A",
       {{100, 1, 1, 100, 0}, {109, 0, 2, 100, 109}, {400, 1, 1, 400, 109}},
       {10.0}},
      {"swapped and short", {{205, 1, 1, 205, 0}, {199, 0, 2, 199, 205}}, {19.0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    player.abActive = player.abStage = player.abStart = player.abEnd = 0;
    media.positionPuts.clear();
    for (const Press& press : c.presses) {
      player.playPosition = press.position;
      EXPECT_EQ(ToggleABMark(context), 1);
      EXPECT_EQ(player.abActive, press.active);
      EXPECT_EQ(player.abStage, press.stage);
      EXPECT_EQ(player.abStart, press.start);
      EXPECT_EQ(player.abEnd, press.end);
    }
    EXPECT_EQ(media.positionPuts, c.seeks);
  }
}

TEST_F(ABLoopTest, NothingHappensWhileNotPlayingOrWithAnInactiveAMark) {
  player.playing = 0;
  ToggleABMark(context);
  EXPECT_EQ(player.abStage, 0);

  player.playing = 1;
  player.abStage = 1;
  ToggleABMark(context);
  EXPECT_EQ(player.abStage, 1);
  EXPECT_EQ(player.abActive, 0);
}

}  // namespace
}  // namespace solvane::testing
