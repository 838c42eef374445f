#include "face/time_text.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/face/face_records.h"

namespace solvane {
namespace {

using testing::FaceRecords;

struct TimeCase {
  std::int32_t tenths;
  const char16_t* text;
};

class FormatMinutesSecondsTest : public ::testing::TestWithParam<TimeCase> {};

TEST_P(FormatMinutesSecondsTest, Formats) {
  EXPECT_EQ(FormatMinutesSeconds(GetParam().tenths), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Times, FormatMinutesSecondsTest,
    ::testing::Values(TimeCase{0, u"00:00"}, TimeCase{9, u"00:00"}, TimeCase{599, u"00:59"},
                      TimeCase{600, u"01:00"}, TimeCase{6'234, u"10:23"},
                      TimeCase{59'999, u"99:59"},
                      // Past 99 minutes the minutes stop, the seconds go on.
                      TimeCase{60'000, u"99:00"},
                      TimeCase{(2 * 3600 + 5 * 60 + 7) * 10, u"99:07"},
                      TimeCase{INT32_MAX, u"99:24"},  // 214748364 s = 3579139 min 24 s
                      TimeCase{-50, u"00:00"}, TimeCase{INT32_MIN, u"00:00"}));

TEST(DrawTimeTextTest, BeforeAnyTrackReadsZeroOverZero) {
  FaceRecords records(kScreenMode240x320);
  DrawTimeText(records.canvas, records.layout, records.player);
  ASSERT_EQ(records.canvas.texts.size(), 2u);
  EXPECT_EQ(records.canvas.texts[0].text, u"00:00/");
  EXPECT_EQ(records.canvas.texts[1].text, u"00:00");
}

TEST(DrawTimeTextTest, BoxOnTheSmallScreenEndsAt207And240) {
  FaceRecords records(kScreenMode240x320);
  records.player.playPosition = 6'234;
  records.player.trackDuration = 75'070;
  DrawTimeText(records.canvas, records.layout, records.player);

  ASSERT_EQ(records.canvas.texts.size(), 2u);
  const auto& position = records.canvas.texts[0];
  const auto& duration = records.canvas.texts[1];
  EXPECT_EQ(position.text, u"10:23/");
  EXPECT_EQ(position.rect, (TextRect{0, 250, 207, 268}));
  EXPECT_EQ(position.alignment, TextAlignment::kRight);
  EXPECT_EQ(duration.text, u"99:07");
  EXPECT_EQ(duration.rect, (TextRect{0, 250, 240, 268}));
  EXPECT_EQ(duration.alignment, TextAlignment::kRight);
  EXPECT_EQ(position.style, (TextStyle{"Tahoma", 14, 400, {58, 103, 222}}));
}

TEST(DrawTimeTextTest, BoxMovesDownAndScalesOnTheLargeTallScreen) {
  FaceRecords records(kScreenMode480x800);
  DrawTimeText(records.canvas, records.layout, records.player);
  ASSERT_EQ(records.canvas.texts.size(), 2u);
  EXPECT_EQ(records.canvas.texts[0].rect, (TextRect{0, 660, 414, 696}));
  EXPECT_EQ(records.canvas.texts[1].rect, (TextRect{0, 660, 480, 696}));
  EXPECT_EQ(records.canvas.texts[0].style.cellHeight, 28);
}

}  // namespace
}  // namespace solvane
