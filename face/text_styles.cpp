#include "face/text_styles.h"

#include "skin/screen_layout.h"

namespace solvane {

namespace {

constexpr Rgb kRowTextColour{103, 105, 118};
constexpr Rgb kCurrentLineColour{254, 252, 180};
constexpr Rgb kTimeTextColour{58, 103, 222};
constexpr int kRowTextWeight = 500;
constexpr int kTimeTextWeight = 400;
constexpr int kTimeTextHeight = 14;

}  // namespace

TextStyle RowTextStyle(int skinScale) {
  return {kFaceFontName, kLineHeight * skinScale, kRowTextWeight, kRowTextColour};
}

TextStyle CurrentLineStyle(int skinScale) {
  TextStyle style = RowTextStyle(skinScale);
  style.colour = kCurrentLineColour;
  return style;
}

TextStyle TimeTextStyle(int skinScale) {
  return {kFaceFontName, kTimeTextHeight * skinScale, kTimeTextWeight, kTimeTextColour};
}

}  // namespace solvane
