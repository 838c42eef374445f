#include "skin/dialogs/dialog_units.h"

#include <algorithm>

namespace solvane {

namespace {

// value x numerator / denominator, rounded half away from zero.
int ScaleRounded(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

}  // namespace

DialogRect DialogUnitsToPixels(const DialogRect& units, DialogBaseUnits base, int scale) {
  const int across = base.averageCharWidth * scale;
  const int down = base.charHeight * scale;
  return {ScaleRounded(units.x, across, 4), ScaleRounded(units.y, down, 8),
          ScaleRounded(units.width, across, 4), ScaleRounded(units.height, down, 8)};
}

DialogRect WidenToFit(const DialogRect& place, int neededWidth, int areaWidth, Growth growth) {
  if (neededWidth <= place.width) {
    return place;
  }
  DialogRect wider = place;
  wider.width = neededWidth;
  if (growth == Growth::kEvenly) {
    wider.x = place.x - (neededWidth - place.width) / 2;
  }
  wider.x = std::min(wider.x, areaWidth - wider.width);
  wider.x = std::max(wider.x, 0);
  return wider;
}

}  // namespace solvane
