#pragma once
// The dialogs are laid out as their templates give them, in dialog units: a
// horizontal unit is a quarter of the dialog font's average character width,
// a vertical unit an eighth of its height.

namespace solvane {

struct DialogRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The dialog font's average character width and height in pixels at skin
// scale 1.
struct DialogBaseUnits {
  int averageCharWidth = 0;
  int charHeight = 0;
};

// The pixel rectangle of `units` for a dialog font of `base` at skin `scale`,
// rounded to the nearest pixel.
DialogRect DialogUnitsToPixels(const DialogRect& units, DialogBaseUnits base, int scale);

// How a control grows when its content needs more width than its place.
enum class Growth { kRightward, kEvenly };

// `place` widened to `neededWidth` when that is more, so a text is never cut:
// rightward for left-aligned controls, evenly for centred ones. The result is
// kept inside 0..areaWidth where it fits there.
DialogRect WidenToFit(const DialogRect& place, int neededWidth, int areaWidth, Growth growth);

}  // namespace solvane
