#include "app/input/stylus.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/app/core_rig.h"

namespace solvane::testing {
namespace {

// The four faces: 240 x 320, 240 x 400, 480 x 640, 480 x 800.
constexpr FaceScale kFaces[] = {{1, false}, {1, true}, {2, false}, {2, true}};

// A base coordinate scaled for `face`, moved by `offset` screen pixels.
int X(const FaceScale& face, int base, int offset = 0) { return base * face.scale + offset; }
int Y(const FaceScale& face, int base, int offset = 0) {
  return base * face.scale + (face.tall ? 80 * face.scale : 0) + offset;
}

std::string Name(const FaceScale& face) {
  return std::to_string(face.scale) + (face.tall ? "tall" : "short");
}

// A pen-down at (baseX + dx, baseY + dy) and the control it presses.
struct PenDownCase {
  const char* what;
  int baseX, dx, baseY, dy;
  std::int32_t pressed;
};

constexpr int kMidTransport = 248;  // a row inside the transport buttons
constexpr int kMidSeek = 225;       // a row inside the seek bar

constexpr PenDownCase kPenDownCases[] = {
    // transport row: strict rows 236 < y < 261
    {"play, row top bound", 86, 0, 236, 0, kPressedNone},
    {"play, just below row top", 86, 0, 236, 1, kPressedPlayPause},
    {"play, just above row bottom", 86, 0, 261, -1, kPressedPlayPause},
    {"play, row bottom bound", 86, 0, 261, 0, kPressedNone},
    // buttons: strict columns
    {"open left bound", 5, 0, kMidTransport, 0, kPressedNone},
    {"open just inside left", 5, 1, kMidTransport, 0, kPressedOpen},
    {"open just inside right", 29, -1, kMidTransport, 0, kPressedOpen},
    {"open right bound", 29, 0, kMidTransport, 0, kPressedNone},
    {"previous left bound", 40, 0, kMidTransport, 0, kPressedNone},
    {"previous just inside left", 40, 1, kMidTransport, 0, kPressedPrevious},
    {"previous just inside right", 61, -1, kMidTransport, 0, kPressedPrevious},
    {"previous right bound", 61, 0, kMidTransport, 0, kPressedNone},
    {"play left bound", 72, 0, kMidTransport, 0, kPressedNone},
    {"play just inside left", 72, 1, kMidTransport, 0, kPressedPlayPause},
    {"play just inside right", 100, -1, kMidTransport, 0, kPressedPlayPause},
    {"play right bound", 100, 0, kMidTransport, 0, kPressedNone},
    {"stop left bound", 111, 0, kMidTransport, 0, kPressedNone},
    {"stop just inside left", 111, 1, kMidTransport, 0, kPressedStop},
    {"stop just inside right", 131, -1, kMidTransport, 0, kPressedStop},
    {"stop right bound", 131, 0, kMidTransport, 0, kPressedNone},
    {"next left bound", 142, 0, kMidTransport, 0, kPressedNone},
    {"next just inside left", 142, 1, kMidTransport, 0, kPressedNext},
    {"next just inside right", 161, -1, kMidTransport, 0, kPressedNext},
    {"next right bound", 161, 0, kMidTransport, 0, kPressedNone},
    // volume bar: inclusive 236..247 x 181..237, only inside the transport row
    {"volume on its left bound", 181, 0, 240, 0, kPressedVolumeDrag},
    {"volume left of the bar", 181, -1, 240, 0, kPressedNone},
    {"volume on its right bound", 237, 0, 240, 0, kPressedVolumeDrag},
    {"volume right of the bar", 237, 1, 240, 0, kPressedNone},
    {"volume on its bottom bound", 200, 0, 247, 0, kPressedVolumeDrag},
    {"volume below the bar", 200, 0, 247, 1, kPressedNone},
    {"volume on its top bound, outside the transport row", 200, 0, 236, 0, kPressedNone},
    {"volume just inside the transport row", 200, 0, 236, 1, kPressedVolumeDrag},
    // seek bar: inclusive 220..229 x 35..147, only inside the toggle row
    {"seek on its top bound", 90, 0, 220, 0, kPressedSeekDrag},
    {"seek above the bar", 90, 0, 220, -1, kPressedNone},
    {"seek on its bottom bound", 90, 0, 229, 0, kPressedSeekDrag},
    {"seek below the bar", 90, 0, 229, 1, kPressedNone},
    {"seek on its left bound", 35, 0, kMidSeek, 0, kPressedSeekDrag},
    {"seek left of the bar", 35, -1, kMidSeek, 0, kPressedNone},
    {"seek on its right bound", 147, 0, kMidSeek, 0, kPressedSeekDrag},
    {"seek right of the bar", 147, 1, kMidSeek, 0, kPressedNone},
    // toggles press nothing
    {"A-B toggle", 17, 0, kMidSeek, 0, kPressedNone},
    {"repeat toggle", 160, 0, kMidSeek, 0, kPressedNone},
    {"playlist toggle", 220, 0, kMidSeek, 0, kPressedNone},
    {"the lyric area", 120, 0, 100, 0, kPressedNone},
};

class PenDownTest : public ::testing::TestWithParam<FaceScale> {
 protected:
  CoreRig rig;
};

TEST_P(PenDownTest, PressesTheControlUnderThePen) {
  const FaceScale face = GetParam();
  rig.StartPlaying();  // the seek bar needs a loaded track
  for (const PenDownCase& test : kPenDownCases) {
    rig.player.pressedControl = kPressedNone;
    rig.shell.invalidations = 0;
    InputContext input = rig.Input(face);
    PenDown(input, X(face, test.baseX, test.dx), Y(face, test.baseY, test.dy));
    EXPECT_EQ(rig.player.pressedControl, test.pressed) << test.what;
    EXPECT_EQ(rig.shell.invalidations, test.pressed != kPressedNone ? 1 : 0) << test.what;
  }
}

TEST_P(PenDownTest, TheSeekBarIsDeadWithoutALoadedTrack) {
  const FaceScale face = GetParam();
  InputContext input = rig.Input(face);
  PenDown(input, X(face, 90), Y(face, kMidSeek));
  EXPECT_EQ(rig.player.pressedControl, kPressedNone);
  EXPECT_EQ(rig.shell.invalidations, 0);
}

TEST_P(PenDownTest, TheVolumeBarRunsFromZeroToAHundred) {
  const FaceScale face = GetParam();
  InputContext input = rig.Input(face);
  PenDown(input, X(face, 181), Y(face, 240));
  PenDown(input, X(face, 209), Y(face, 240));
  PenDown(input, X(face, 237), Y(face, 240));
  EXPECT_EQ(rig.media.volumePuts, (std::vector<std::int32_t>{0, 50, 100}));
}

std::string FaceName(const ::testing::TestParamInfo<FaceScale>& face) { return Name(face.param); }

INSTANTIATE_TEST_SUITE_P(Faces, PenDownTest, ::testing::ValuesIn(kFaces), FaceName);

class StylusTest : public ::testing::Test {
 protected:
  static constexpr FaceScale kTall2{2, true};
  void Down(int x, int y) {
    InputContext input = rig.Input(kTall2);
    PenDown(input, x, y);
  }
  void Move(int x, int y) {
    InputContext input = rig.Input(kTall2);
    PenMove(input, x, y);
  }
  void Up(int x, int y) {
    InputContext input = rig.Input(kTall2);
    PenUp(input, x, y);
  }
  CoreRig rig;
};

// At 480 x 800: the play button at (172, 656), the seek bar rows 600..618.
TEST_F(StylusTest, PlayPressedHereAndLiftedElsewhereStillToggles) {
  rig.StartPlaying();
  Down(172, 656);
  Up(10, 10);
  EXPECT_EQ(rig.player.paused, 1);
  EXPECT_EQ(rig.player.pressedControl, kPressedNone);
}

TEST_F(StylusTest, PressedElsewhereAndLiftedOnAButtonDoesNothing) {
  rig.StartPlaying();
  Down(10, 10);
  Up(172, 656);
  EXPECT_EQ(rig.player.paused, 0);
  EXPECT_EQ(rig.media.CallCount("pause"), 0);
}

TEST_F(StylusTest, PlayButtonWithoutATrackDoesNothingButRepaint) {
  Down(172, 656);
  Up(172, 656);
  EXPECT_EQ(rig.player.playing, 0);
  EXPECT_TRUE(rig.media.calls.empty());
  EXPECT_EQ(rig.player.pressedControl, kPressedNone);
  EXPECT_EQ(rig.shell.invalidations, 2);
}

TEST_F(StylusTest, OpenButtonSendsOpenFiles) {
  rig.player.addMode = 1;
  Down(30, 656);
  Up(30, 656);
  EXPECT_EQ(rig.player.addMode, 0);
  EXPECT_EQ(rig.window.calls, (std::vector<std::string>{"browser"}));
}

TEST_F(StylusTest, StopButtonDropsTheABLoop) {
  rig.StartPlaying();
  rig.player.abActive = 1;
  rig.player.abStage = 2;
  Down(242, 656);
  Up(242, 656);
  EXPECT_EQ(rig.player.playing, 0);
  EXPECT_EQ(rig.player.abActive, 0);
  EXPECT_EQ(rig.player.abStage, 0);
}

TEST_F(StylusTest, NextAndPreviousButtonsMoveThroughThePlaylist) {
  rig.AddEntry("a.mp3");
  rig.AddEntry("b.mp3");
  Down(300, 656);
  Up(300, 656);
  EXPECT_EQ(rig.playlist->currentIndex, 1);
  Down(100, 656);
  Up(100, 656);
  EXPECT_EQ(rig.playlist->currentIndex, 0);
}

TEST_F(StylusTest, TappingTheSeekBarDoesNotSeek) {
  rig.StartPlaying();
  rig.player.trackDuration = 2000;
  Down(200, 608);
  Up(200, 608);
  EXPECT_TRUE(rig.media.positionPuts.empty());
  EXPECT_EQ(rig.player.pressedControl, kPressedNone);
}

TEST_F(StylusTest, DraggingAlongTheSeekBarSeeksOnEveryMove) {
  rig.StartPlaying();
  rig.player.trackDuration = 2000;
  Down(70, 608);      // 35 x 2: 0 %
  Move(70, 608);      // 0 %
  Move(182, 608);     // 50 %
  Move(294, 618);     // 100 %, on the bar's bottom bound
  Move(294, 619);     // below the bar: nothing
  Move(295, 608);     // right of the bar: nothing
  Up(182, 608);
  EXPECT_EQ(rig.media.positionPuts, (std::vector<double>{0.0, 100.0, 200.0}));
  Move(182, 608);     // after pen-up nothing is held
  EXPECT_EQ(rig.media.positionPuts.size(), 3u);
}

TEST_F(StylusTest, DraggingTheVolumeFollowsThePenOnTheBarOnly) {
  Down(362, 640);     // 181 x 2: volume 0
  Move(474, 632);     // on the bar's top bound, which pen-down would miss
  Move(418, 654);     // 50
  Move(418, 655);     // below the bar: nothing
  Move(475, 640);     // right of the bar: nothing
  Up(418, 640);
  Move(362, 640);
  EXPECT_EQ(rig.media.volumePuts, (std::vector<std::int32_t>{0, 100, 50}));
  EXPECT_EQ(rig.player.pressedControl, kPressedNone);
}

TEST_F(StylusTest, TheMuteToggleSpansRows638To649At480x800) {
  struct Case {
    int x, y;
    bool toggles;
  };
  const Case cases[] = {{350, 637, false}, {350, 638, true}, {350, 649, true},
                        {350, 650, false}, {339, 640, false}, {340, 640, true},
                        {360, 640, true},  {361, 640, false}};
  for (const Case& test : cases) {
    const std::int32_t before = rig.player.muted;
    Up(test.x, test.y);
    EXPECT_EQ(rig.player.muted != before, test.toggles) << test.x << "," << test.y;
  }
  EXPECT_EQ(rig.media.mutePuts, (std::vector<bool>{true, false, true, false}));
}

TEST_F(StylusTest, TheMuteToggleHeightIsNotScaledOnSmallScreens) {
  InputContext input = rig.Input(FaceScale{1, false});
  PenUp(input, 175, 250);  // 239 + 11
  PenUp(input, 175, 251);
  EXPECT_EQ(rig.media.mutePuts, (std::vector<bool>{true}));
}

TEST_F(StylusTest, TogglesActOnPenUp) {
  Down(320, 610);
  EXPECT_EQ(rig.player.repeat, 0);
  Up(320, 610);   // repeat 152..173 x 2
  EXPECT_EQ(rig.player.repeat, 1);
  Up(380, 610);   // shuffle 179..200 x 2
  EXPECT_EQ(rig.player.shuffle, 1);
  Up(304, 610);   // the repeat toggle's left bound: nothing
  Up(346, 610);   // the repeat toggle's right bound: nothing
  EXPECT_EQ(rig.player.repeat, 1);
  Up(320, 596);   // the row's top bound: nothing
  Up(320, 626);   // the row's bottom bound: nothing
  EXPECT_EQ(rig.player.repeat, 1);
  EXPECT_EQ(rig.shell.invalidations, 2);
}

TEST_F(StylusTest, ThePlaylistToggleShowsAndHidesTheView) {
  Up(440, 610);
  EXPECT_EQ(rig.player.playlistShown, 1);
  Up(440, 610);
  EXPECT_EQ(rig.player.playlistShown, 0);
  EXPECT_EQ(rig.window.calls, (std::vector<std::string>{"createView", "destroyView"}));
}

TEST_F(StylusTest, TheABToggleMarksWhilePlaying) {
  rig.StartPlaying();
  rig.player.playPosition = 77;
  Up(30, 610);
  EXPECT_EQ(rig.player.abStage, 1);
  EXPECT_EQ(rig.player.abStart, 77);
}

}  // namespace
}  // namespace solvane::testing
