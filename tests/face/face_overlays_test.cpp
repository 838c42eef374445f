#include "face/face_overlays.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "tests/face/face_records.h"

namespace solvane {
namespace {

using testing::FaceRecords;
using testing::FakeBitmap;
using testing::RecordedCopy;

class OverlaysTest : public ::testing::Test {
 protected:
  explicit OverlaysTest(int mode = kScreenMode240x320) : records(mode) {}

  // The overlays of one paint, which advances the blink before it draws.
  std::vector<RecordedCopy> Draw(std::int32_t volume = 80) {
    records.canvas.copies.clear();
    AdvanceAbBlink(records.player, state);
    DrawFaceOverlays(records.canvas, records.layout, &sprites, records.player, volume, state);
    return records.canvas.copies;
  }

  // The copies after the two knobs, which every paint draws first.
  std::vector<RecordedCopy> DrawAfterKnobs() {
    std::vector<RecordedCopy> copies = Draw();
    EXPECT_GE(copies.size(), 2u);
    copies.erase(copies.begin(), copies.begin() + 2);
    return copies;
  }

  FaceRecords records;
  FakeBitmap sprites{"sprites", 240, 134};
  FacePaintState state;
};

struct VolumeCase {
  int scale;
  std::int32_t volume;
  int knobX;
};

class VolumeKnobTest : public ::testing::TestWithParam<VolumeCase> {};

TEST_P(VolumeKnobTest, KnobStandsWhereTheVolumePutsIt) {
  const VolumeCase& c = GetParam();
  EXPECT_EQ(181 * c.scale + VolumeKnobOffset(c.volume, c.scale), c.knobX);
}

INSTANTIATE_TEST_SUITE_P(
    BothScales, VolumeKnobTest,
    ::testing::Values(VolumeCase{1, 0, 181}, VolumeCase{1, 17, 190},
                      VolumeCase{1, 18, 187},  // steps back by half a knob
                      VolumeCase{1, 92, 228}, VolumeCase{1, 93, 229}, VolumeCase{1, 100, 229},
                      VolumeCase{2, 0, 362}, VolumeCase{2, 16, 379},
                      VolumeCase{2, 17, 372},  // 19 - 9
                      VolumeCase{2, 100, 457}));

TEST_F(OverlaysTest, VolumeKnobIsDrawnFirstFromItsSprite) {
  const std::vector<RecordedCopy> copies = Draw(100);
  ASSERT_FALSE(copies.empty());
  EXPECT_EQ(copies[0], (RecordedCopy{"sprites", 204, 29, 9, 12, 229, 239}));
}

TEST_F(OverlaysTest, SeekKnobStandsAtTheBarStartBeforeAnyTrack) {
  const std::vector<RecordedCopy> copies = Draw();
  ASSERT_EQ(copies.size(), 2u);
  EXPECT_EQ(copies[1], (RecordedCopy{"sprites", 40, 12, 12, 6, 37, 222}));
}

TEST_F(OverlaysTest, SeekKnobRunsOverTheTrackAndPastItsEnd) {
  records.player.trackDuration = 1'000;
  const std::pair<std::int32_t, int> cases[] = {{0, 37}, {500, 86}, {1'000, 135}, {1'500, 184}};
  for (const auto& [position, knobX] : cases) {
    records.player.playPosition = position;
    EXPECT_EQ(Draw()[1].destX, knobX) << "position " << position;
  }
}

TEST(SeekKnobOffsetTest, VeryLongPositionDoesNotOverflow) {
  EXPECT_EQ(SeekKnobOffset(INT32_MAX, 3, 1), 240);
  EXPECT_EQ(SeekKnobOffset(INT32_MAX, INT32_MAX, 1), 98);
}

class LargeTallOverlaysTest : public OverlaysTest {
 protected:
  LargeTallOverlaysTest() : OverlaysTest(kScreenMode480x800) {}
};

TEST_F(LargeTallOverlaysTest, SeekKnobAtHalfTheTrack) {
  records.player.playPosition = 1'200;
  records.player.trackDuration = 2'400;
  EXPECT_EQ(Draw()[1], (RecordedCopy{"sprites", 80, 24, 24, 12, 173, 604}));
}

TEST_F(LargeTallOverlaysTest, IconsAreDoubledAndShifted) {
  records.player.repeat = 1;
  EXPECT_EQ(DrawAfterKnobs(),
            (std::vector<RecordedCopy>{{"sprites", 304, 14, 44, 34, 304, 594}}));
}

TEST_F(OverlaysTest, PlayingTrackShowsThePauseSymbol) {
  records.player.trackLoaded = 1;
  records.player.playing = 1;
  EXPECT_EQ(DrawAfterKnobs(), (std::vector<RecordedCopy>{{"sprites", 0, 58, 29, 26, 72, 236}}));
  records.player.paused = 1;
  EXPECT_TRUE(DrawAfterKnobs().empty());
}

TEST_F(OverlaysTest, PressedPlayButtonOfAPlayingTrackLooksLikePause) {
  records.player.trackLoaded = 1;
  records.player.playing = 1;
  records.player.pressedControl = kPressedPlayPause;
  const std::vector<RecordedCopy> copies = DrawAfterKnobs();
  ASSERT_EQ(copies.size(), 2u);
  EXPECT_EQ(copies[1], (RecordedCopy{"sprites", 27, 56, 31, 28, 72, 236}));
}

TEST_F(OverlaysTest, PressedPlayButtonOfAPausedOrStoppedTrackLooksLikePlay) {
  records.player.pressedControl = kPressedPlayPause;
  const RecordedCopy playLook{"sprites", 70, 24, 31, 28, 72, 236};
  EXPECT_EQ(DrawAfterKnobs(), std::vector<RecordedCopy>{playLook});  // stopped

  records.player.trackLoaded = 1;
  records.player.playing = 1;
  records.player.paused = 1;
  EXPECT_EQ(DrawAfterKnobs(), std::vector<RecordedCopy>{playLook});
}

struct PressedCase {
  std::int32_t control;
  RecordedCopy copy;
};

TEST_F(OverlaysTest, EachPressedButtonHasItsLook) {
  const PressedCase cases[] = {
      {kPressedOpen, {"sprites", 4, 25, 27, 25, 6, 237}},
      {kPressedPrevious, {"sprites", 39, 28, 22, 22, 41, 240}},
      {kPressedStop, {"sprites", 110, 29, 21, 21, 112, 241}},
      {kPressedNext, {"sprites", 140, 29, 22, 21, 142, 241}},
  };
  for (const PressedCase& c : cases) {
    records.player.pressedControl = c.control;
    EXPECT_EQ(DrawAfterKnobs(), std::vector<RecordedCopy>{c.copy}) << "control " << c.control;
  }
  for (const std::int32_t dragOrNone : {kPressedNone, kPressedVolumeDrag, kPressedSeekDrag}) {
    records.player.pressedControl = dragOrNone;
    EXPECT_TRUE(DrawAfterKnobs().empty()) << "control " << dragOrNone;
  }
}

TEST_F(OverlaysTest, ModeIconsAreDrawnInTheirOrder) {
  records.player.muted = 1;
  records.player.abActive = 1;
  records.player.abStage = 2;
  records.player.repeat = 1;
  records.player.shuffle = 1;
  records.player.playlistShown = 1;
  EXPECT_EQ(DrawAfterKnobs(), (std::vector<RecordedCopy>{
                                  {"sprites", 170, 29, 10, 11, 170, 239},
                                  {"sprites", 7, 8, 22, 16, 7, 218},
                                  {"sprites", 152, 7, 22, 17, 152, 217},
                                  {"sprites", 179, 7, 22, 17, 179, 217},
                                  {"sprites", 205, 7, 31, 17, 205, 217},
                              }));
}

// Drawing alone never flips the blink: a paint flips it once, however many
// times it composes.
TEST_F(OverlaysTest, DrawingReadsTheBlinkWithoutFlippingIt) {
  records.player.abActive = 1;
  records.player.abStage = 1;
  state.abBlinkToggle = 1;
  for (int draw = 0; draw < 3; ++draw) {
    DrawFaceOverlays(records.canvas, records.layout, &sprites, records.player, 80, state);
  }
  EXPECT_EQ(state.abBlinkToggle, 1);
  EXPECT_EQ(records.canvas.copies.size(), 3u * 3u);  // two knobs and the icon each time
}

TEST_F(OverlaysTest, AbIconBlinksWhileOnlyAIsMarked) {
  records.player.abActive = 1;
  records.player.abStage = 1;
  std::vector<std::size_t> drawn;
  for (int paint = 0; paint < 4; ++paint) {
    drawn.push_back(DrawAfterKnobs().size());
  }
  EXPECT_EQ(drawn, (std::vector<std::size_t>{1, 0, 1, 0}));
}

TEST_F(OverlaysTest, AbIconStaysWithBothMarksAndLeavesTheToggleAlone) {
  records.player.abActive = 1;
  records.player.abStage = 1;
  Draw();  // toggle now set
  records.player.abStage = 2;
  for (int paint = 0; paint < 3; ++paint) {
    EXPECT_EQ(DrawAfterKnobs().size(), 1u);
  }
  EXPECT_EQ(state.abBlinkToggle, 1);
}

TEST_F(OverlaysTest, AbIconWithoutMarksDrawsNothingAndKeepsTheToggle) {
  records.player.abActive = 1;
  records.player.abStage = 0;
  EXPECT_TRUE(DrawAfterKnobs().empty());
  records.player.abActive = 0;
  records.player.abStage = 1;
  EXPECT_TRUE(DrawAfterKnobs().empty());
  EXPECT_EQ(state.abBlinkToggle, 0);
}

TEST_F(OverlaysTest, MissingSpriteSheetDrawsNothingButTheBlinkGoesOn) {
  records.player.abActive = 1;
  records.player.abStage = 1;
  records.player.repeat = 1;
  AdvanceAbBlink(records.player, state);
  DrawFaceOverlays(records.canvas, records.layout, nullptr, records.player, 80, state);
  EXPECT_TRUE(records.canvas.copies.empty());
  EXPECT_EQ(state.abBlinkToggle, 1);
}

}  // namespace
}  // namespace solvane
