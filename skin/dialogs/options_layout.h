#pragma once
// The Options dialog as its template lays it out: four check boxes above the
// list of background images, in dialog units.

#include "skin/dialogs/dialog_units.h"
#include "skin/dialogs/options_logic.h"

namespace solvane {

struct OptionCheckBoxPlace {
  int controlId;
  const char* text;
  DialogRect units;
};

// Top to bottom; the first four options in the order the state file keeps them.
inline constexpr OptionCheckBoxPlace kOptionCheckBoxes[] = {
    {kIdPlayLastFileCheck, "Play last file when startup", {7, 7, 105, 10}},
    {kIdRememberPlaylistCheck, "Remember playlist", {7, 18, 105, 10}},
    {kIdRememberPositionCheck, "Remember last position", {7, 29, 105, 10}},
    {kIdBackgroundImageCheck, "Use background image (skin)", {7, 40, 107, 10}},
};

inline constexpr DialogRect kBackgroundListUnits{33, 52, 81, 58};

// The template's face at 10 points, in pixels at skin scale 1.
inline constexpr int kOptionsFontPixels = 13;

}  // namespace solvane
