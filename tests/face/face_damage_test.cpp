#include "face/face_damage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "face/text_rows.h"
#include "tests/face/face_records.h"

namespace solvane {
namespace {

using testing::FaceRecords;
using testing::FakeBitmap;

bool Inside(const TextRect& inner, const TextRect& outer) {
  return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
         inner.bottom <= outer.bottom;
}

bool Overlap(const TextRect& a, const TextRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A face playing a ten-minute track with a full window of lyrics, recorded
// before and after a change, on both scales.
class FaceDamageTest : public ::testing::TestWithParam<int> {
 protected:
  FaceDamageTest() : records(GetParam()) {
    const int scale = records.layout.skinScale;
    bitmaps.faceImage = std::make_unique<FakeBitmap>("face", 240 * scale, 348 * scale);
    bitmaps.spriteSheet = std::make_unique<FakeBitmap>("sprites", 240 * scale, 134 * scale);
    records.player.trackLoaded = 1;
    records.player.playing = 1;
    records.player.lyricsPresent = 1;
    records.player.playPosition = 1'230;
    records.player.trackDuration = 6'000;
    FillLines(0);
    records.lyrics.currentLine = 3;
  }

  void FillLines(int page) {
    records.lyrics.lineCount = kLyricWindowSlots;
    for (int slot = 0; slot < kLyricWindowSlots; ++slot) {
      records.SetLine(slot, ("line " + std::to_string(page * 100 + slot)).c_str());
    }
  }

  std::vector<DrawStep> Record() {
    return RecordFace({records.layout, bitmaps, options, records.player, records.lyrics,
                       records.trackInfo, records.startScreen, 80, paintState});
  }

  int Scale() const { return records.layout.skinScale; }
  TextRect Row(int row) const {
    const TextRect rect = LyricRowRect(records.layout, row);
    return TextReach(rect, records.layout.lineHeight * Scale());
  }
  TextRect Whole() const {
    return {0, 0, records.layout.screenWidth, records.layout.clientHeight};
  }

  FaceRecords records;
  SkinBitmaps bitmaps;
  Options options;
  FacePaintState paintState;
};

TEST_P(FaceDamageTest, NothingChangedRepaintsNothing) {
  const std::vector<DrawStep> before = Record();
  EXPECT_TRUE(ChangedAreas(before, Record()).empty());
}

TEST_P(FaceDamageTest, ClockTickRepaintsThePlayTimeOnly) {
  const std::vector<DrawStep> before = Record();
  records.player.playPosition += 10;  // one second on; the seek knob stays
  const std::vector<TextRect> areas = ChangedAreas(before, Record());
  ASSERT_EQ(areas.size(), 1u);
  // The play time's rectangle on the time row, two time-text cells high or
  // down to the bottom of the face.
  const int top = areas[0].top;
  const int bottom = std::min(top + 28 * Scale(), records.layout.clientHeight);
  EXPECT_EQ(areas[0], (TextRect{0, top, 207 * Scale(), bottom}));
  EXPECT_GT(top, Row(records.layout.lyricRows - 1).top);
}

TEST_P(FaceDamageTest, NewCurrentLineRepaintsTheTwoRowsWhoseLookChanged) {
  const std::vector<DrawStep> before = Record();
  records.lyrics.currentLine = 4;
  const std::vector<TextRect> areas = ChangedAreas(before, Record());
  ASSERT_EQ(areas.size(), 2u);
  EXPECT_NE(std::find(areas.begin(), areas.end(), Row(3)), areas.end());
  EXPECT_NE(std::find(areas.begin(), areas.end(), Row(4)), areas.end());
}

TEST_P(FaceDamageTest, TextMeasuredByItsInkRepaintsOnlyWhereTheInkIs) {
  const std::vector<DrawStep> before = Record();
  records.lyrics.currentLine = 4;
  // Stands for a font's measure: the first cell of the row, inset.
  const TextInkArea firstCell = [](const DrawnText& text) {
    return TextRect{text.rect.left + 5, text.rect.top, text.rect.right - 5,
                    text.rect.top + text.cellHeight};
  };
  const std::vector<TextRect> areas = ChangedAreas(before, Record(), firstCell);
  const int cell = records.layout.lineHeight * Scale();
  for (const int row : {3, 4}) {
    const TextRect rect = LyricRowRect(records.layout, row);
    const TextRect measured{rect.left + 5, rect.top, rect.right - 5, rect.top + cell};
    EXPECT_NE(std::find(areas.begin(), areas.end(), measured), areas.end()) << "row " << row;
  }
  EXPECT_EQ(areas.size(), 2u);
}

TEST_P(FaceDamageTest, MovedSeekKnobRepaintsWhereItWasAndWhereItIs) {
  const std::vector<DrawStep> before = Record();
  records.player.playPosition = 3'000;  // from 20 % to half-way, same seconds digits
  const std::vector<TextRect> areas = ChangedAreas(before, Record());
  // The old and new knob (12 x 6 pixels at scale 1) besides the play time.
  int knobs = 0;
  for (const TextRect& area : areas) {
    if (area.right - area.left == 12 * Scale() && area.bottom - area.top == 6 * Scale()) {
      ++knobs;
    }
  }
  EXPECT_EQ(knobs, 2);
  EXPECT_EQ(areas.size(), 3u);
}

TEST_P(FaceDamageTest, PageTurnRepaintsEveryLyricRowAndNothingElse) {
  const std::vector<DrawStep> before = Record();
  FillLines(1);
  const std::vector<TextRect> areas = ChangedAreas(before, Record());
  for (int row = 0; row < records.layout.lyricRows; ++row) {
    EXPECT_NE(std::find(areas.begin(), areas.end(), Row(row)), areas.end()) << "row " << row;
  }
  const TextRect lyricArea{0, 0, records.layout.textAreaWidth,
                           Row(records.layout.lyricRows - 1).bottom};
  for (const TextRect& area : areas) {
    EXPECT_TRUE(Inside(area, lyricArea));
  }
}

TEST_P(FaceDamageTest, NewScreenRepaintsTheWholeFace) {
  const std::vector<DrawStep> before = Record();
  ASSERT_EQ(StepArea(before.front()), Whole());  // the face image, the first step
  const int other = GetParam() == kScreenMode240x320 ? kScreenMode240x400 : kScreenMode480x640;
  records.layout = testing::LayoutForMode(other);
  const std::vector<DrawStep> after = Record();
  const std::vector<TextRect> areas = ChangedAreas(before, after);
  // The face image's copy changed: where it lay and where it lies now.
  EXPECT_NE(std::find(areas.begin(), areas.end(), StepArea(before.front())), areas.end());
  EXPECT_NE(std::find(areas.begin(), areas.end(), StepArea(after.front())), areas.end());
}

TEST_P(FaceDamageTest, TextStepsReachNoFurtherThanTwoCellsBelowTheirTop) {
  for (const DrawStep& step : Record()) {
    if (const auto* text = std::get_if<DrawnText>(&step)) {
      const TextRect area = StepArea(step);
      EXPECT_EQ(area.top, text->rect.top);
      EXPECT_LE(area.bottom - area.top, 2 * text->cellHeight);
    }
  }
}

TEST_P(FaceDamageTest, LyricRowAreasOfNeighboursOverlapSoNoGlyphIsLeftBehind) {
  // A changed row's area runs into the next row: a glyph reaching below its
  // own row is repainted with it.
  EXPECT_TRUE(Overlap(Row(3), Row(4)));
}

INSTANTIATE_TEST_SUITE_P(Screens, FaceDamageTest,
                         ::testing::Values(kScreenMode240x320, kScreenMode480x800),
                         [](const ::testing::TestParamInfo<int>& param) {
                           return "Mode" + std::to_string(param.param);
                         });

TEST(ChangedAreasTest, StepsInAnotherOrderNeedNothingButARepeatedStepDoes) {
  FakeBitmap bitmap("b", 10, 10);
  DrawStepRecorder one;
  one.CopyBitmap(bitmap, 0, 0, 5, 5, 0, 0);
  one.CopyBitmap(bitmap, 0, 0, 5, 5, 20, 0);
  DrawStepRecorder other;
  other.CopyBitmap(bitmap, 0, 0, 5, 5, 20, 0);
  other.CopyBitmap(bitmap, 0, 0, 5, 5, 0, 0);
  EXPECT_TRUE(ChangedAreas(one.steps, other.steps).empty());
  other.CopyBitmap(bitmap, 0, 0, 5, 5, 0, 0);
  EXPECT_EQ(ChangedAreas(one.steps, other.steps), (std::vector<TextRect>{{0, 0, 5, 5}}));
}

TEST(ChangedAreasTest, BlockAreaIsWhatLandsOfThePartInsideTheSource) {
  FakeBitmap bitmap("b", 10, 10);
  DrawStepRecorder recorder;
  recorder.CopyBitmap(bitmap, 6, -2, 8, 6, 100, 50);  // 4 columns and 4 rows lie inside
  EXPECT_EQ(StepArea(recorder.steps[0]), (TextRect{100, 52, 104, 56}));
}

}  // namespace
}  // namespace solvane
