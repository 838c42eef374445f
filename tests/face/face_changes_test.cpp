#include "face/face_changes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "tests/face/face_records.h"
#include "tests/fakes/fake_bitmap.h"

namespace solvane {
namespace {

using testing::FaceRecords;
using testing::FakeBitmap;

// The 240 x 320 face playing a track with lyrics at 01:00 of 02:00, the
// highlight on row 2 of its page, at volume 80.
struct Playing {
  Playing() : records(kScreenMode240x320) {
    bitmaps.faceImage = std::make_unique<FakeBitmap>("face", 240, 348);
    bitmaps.spriteSheet = std::make_unique<FakeBitmap>("sprites", 240, 134);
    records.player.trackLoaded = 1;
    records.player.playing = 1;
    records.player.lyricsPresent = 1;
    records.player.playPosition = 600;
    records.player.trackDuration = 1'200;
    for (int slot = 0; slot < kLyricWindowSlots; ++slot) {
      records.SetLine(slot, "a line");
    }
    records.lyrics.lineCount = kLyricWindowSlots;
    records.lyrics.currentLine = 2;
  }
  FaceLook Look() {
    return LookOf({records.layout, bitmaps, options, records.player, records.lyrics,
                   records.trackInfo, records.startScreen, volume, paintState});
  }

  FaceRecords records;
  SkinBitmaps bitmaps;
  Options options;
  std::int32_t volume = 80;
  FacePaintState paintState;
};

// Areas of the 240 x 320 face.
constexpr TextRect kTimeText{0, 250, 240, 268};
constexpr TextRect kSeekKnobAtHalf{86, 222, 98, 228};
constexpr TextRect kSeekKnobFurther{87, 222, 99, 228};  // at 52 %
constexpr TextRect kVolumeKnobAt80{221, 239, 230, 251};
constexpr TextRect kVolumeKnobAt100{229, 239, 238, 251};
constexpr TextRect kAbIcon{7, 218, 29, 234};
TextRect LyricRow(int row) { return {0, 22 * row + 4, 240, 22 * row + 44}; }

struct Case {
  const char* name;
  std::function<void(Playing&)> change;
  bool whole;
  std::vector<TextRect> areas;
};

TEST(FaceChangesTest, WhatChangedDecidesWhatIsPaintedAgain) {
  const Case cases[] = {
      {"nothing", [](Playing&) {}, false, {}},
      {"a tenth within the second", [](Playing& p) { p.records.player.playPosition = 601; },
       false, {}},
      {"the next second", [](Playing& p) { p.records.player.playPosition = 610; }, false,
       {kTimeText}},
      {"the seek knob moves on",
       [](Playing& p) {
         p.records.player.playPosition = 624;
       },
       false, {kTimeText, kSeekKnobAtHalf, kSeekKnobFurther}},
      {"a duration read again, a little shorter",
       [](Playing& p) { p.records.player.trackDuration = 1'190; }, false, {kTimeText}},
      {"the volume", [](Playing& p) { p.volume = 100; }, false,
       {kVolumeKnobAt80, kVolumeKnobAt100}},
      {"the next line on the page", [](Playing& p) { p.records.lyrics.currentLine = 3; }, false,
       {LyricRow(2), LyricRow(3)}},
      {"a page turn",
       [](Playing& p) {
         p.records.SetLine(0, "another line");
         p.records.lyrics.currentLine = 0;
       },
       true, {}},
      {"the header ends", [](Playing& p) { p.records.lyrics.headerShown = 1; }, true, {}},
      {"the end of the list",
       [](Playing& p) {
         p.records.player.playing = 0;
         p.records.player.playPosition = 0;
       },
       true, {}},
      {"paused", [](Playing& p) { p.records.player.paused = 1; }, true, {}},
      {"a button held", [](Playing& p) { p.records.player.pressedControl = kPressedStop; }, true,
       {}},
      {"repeat on", [](Playing& p) { p.records.player.repeat = 1; }, true, {}},
      {"A marked", [](Playing& p) { p.records.player.abActive = 1; p.records.player.abStage = 1; },
       true, {}},
      {"another track's title",
       [](Playing& p) { p.records.player.currentTitle[0] = u'x'; }, true, {}},
      {"track information", [](Playing& p) { p.records.trackInfo.mediaAuthor[0] = u'x'; }, true,
       {}},
      {"the background image shown",
       [](Playing& p) {
         p.bitmaps.backgroundImage = std::make_unique<FakeBitmap>("background", 100, 100);
         p.options.useBackgroundImage = 1;
       },
       true, {}},
      {"another screen",
       [](Playing& p) { p.records.layout = testing::LayoutForMode(kScreenMode480x800); }, true,
       {}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    Playing playing;
    const FaceLook before = playing.Look();
    test.change(playing);
    const FaceChanges changes = ChangedFaceAreas(before, playing.Look());
    EXPECT_EQ(changes.whole, test.whole);
    EXPECT_EQ(changes.areas, test.areas);
  }
}

// While only A is marked the icon blinks with every repaint: a repaint for
// any change takes the icon in; no change asks for none.
TEST(FaceChangesTest, TheBlinkingIconJoinsEveryRepaint) {
  Playing playing;
  playing.records.player.abActive = 1;
  playing.records.player.abStage = 1;
  const FaceLook before = playing.Look();
  EXPECT_TRUE(ChangedFaceAreas(before, playing.Look()).areas.empty());
  playing.records.player.playPosition = 610;
  EXPECT_EQ(ChangedFaceAreas(before, playing.Look()).areas,
            (std::vector<TextRect>{kTimeText, kAbIcon}));
  playing.records.player.abStage = 2;  // both marks: the icon stays, drawn whole
  EXPECT_TRUE(ChangedFaceAreas(before, playing.Look()).whole);
}

}  // namespace
}  // namespace solvane
