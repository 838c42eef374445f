// Dialog units become pixels by the font's character size and the skin scale,
// rounded to the nearest pixel.

#include <gtest/gtest.h>

#include "skin/dialogs/dialog_units.h"

namespace solvane::testing {
namespace {

TEST(DialogUnitsTest, ScalesByAQuarterCharacterAcrossAndAnEighthDown) {
  struct Case {
    DialogRect units;
    DialogBaseUnits base;
    int scale;
    DialogRect pixels;
  };
  const Case cases[] = {
      {{7, 7, 105, 10}, {6, 13}, 1, {11, 11, 158, 16}},
      {{7, 7, 105, 10}, {6, 13}, 2, {21, 23, 315, 33}},
      {{0, 0, 4, 8}, {5, 12}, 1, {0, 0, 5, 12}},
      {{41, 12, 89, 8}, {5, 12}, 2, {103, 36, 223, 24}},
  };
  for (const Case& c : cases) {
    const DialogRect got = DialogUnitsToPixels(c.units, c.base, c.scale);
    EXPECT_EQ(got.x, c.pixels.x);
    EXPECT_EQ(got.y, c.pixels.y);
    EXPECT_EQ(got.width, c.pixels.width);
    EXPECT_EQ(got.height, c.pixels.height);
  }
}

TEST(DialogUnitsTest, AControlGrowsToItsContentWithoutLeavingTheArea) {
  struct Case {
    DialogRect place;
    int needed;
    Growth growth;
    int x;
    int width;
  };
  const Case cases[] = {
      {{10, 5, 100, 20}, 80, Growth::kRightward, 10, 100},  // fits: unchanged
      {{10, 5, 100, 20}, 150, Growth::kRightward, 10, 150},
      {{10, 5, 100, 20}, 235, Growth::kRightward, 5, 235},   // pushed back in
      {{50, 5, 100, 20}, 140, Growth::kEvenly, 30, 140},
      {{10, 5, 100, 20}, 140, Growth::kEvenly, 0, 140},     // held at the left
      {{10, 5, 100, 20}, 300, Growth::kEvenly, 0, 300},     // wider than the area
  };
  for (const Case& c : cases) {
    const DialogRect got = WidenToFit(c.place, c.needed, 240, c.growth);
    EXPECT_EQ(got.x, c.x) << c.needed;
    EXPECT_EQ(got.width, c.width) << c.needed;
    EXPECT_EQ(got.y, c.place.y);
    EXPECT_EQ(got.height, c.place.height);
  }
}

}  // namespace
}  // namespace solvane::testing
