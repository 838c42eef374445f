#pragma once
// What the Options dialog does to the program's options: the four check boxes
// take effect the moment they change, the list of background images offers the
// "*.bmp" files of the program's folder, and choosing one of them names the
// image that OK (or the background check box) loads.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/options.h"
#include "skin/skin_bitmaps.h"
#include "skin/skin_images.h"

namespace solvane {

// Control ids of the dialog.
inline constexpr int kIdPlayLastFileCheck = 1014;
inline constexpr int kIdRememberPlaylistCheck = 1015;
inline constexpr int kIdRememberPositionCheck = 1016;
inline constexpr int kIdBackgroundImageCheck = 1017;
inline constexpr int kIdBackgroundImageList = 1026;

struct OptionsContext {
  Options& options;
  // The background image lives among the skin bitmaps; it is loaded again
  // when the background check box changes and on OK.
  SkinBitmaps& bitmaps;
  SkinImages& images;
  // The program's own folder, ending with '/'.
  std::u16string programFolder;
};

// The names of the regular files of `programFolder` whose names end with
// ".bmp" (in any letter case), sorted as a sorted list box sorts: without
// regard to letter case, ties broken by code unit. Folders, other kinds of
// entry and names that do not convert exactly to UTF-16 are left out; a folder
// that cannot be read gives an empty list.
std::vector<std::u16string> BackgroundImageList(std::u16string_view programFolder);

// The file part of backgroundImagePath: what follows its last '/'.
std::u16string_view CurrentBackgroundName(const Options& options);

// The index of the entry that equals `currentName` exactly, -1 for none.
std::int32_t BackgroundListSelection(const std::vector<std::u16string>& names,
                                     std::u16string_view currentName);

// The option a check box stands for, as the box should show it.
bool IsOptionChecked(const Options& options, int controlId);

// A check box changed: its option follows at once. The background check box
// also releases the image and, when checked, loads it from
// backgroundImagePath. An unknown id changes nothing.
void ApplyOptionCheckBox(OptionsContext& context, int controlId, bool checked);

// The list box notified with `selectedName` selected: backgroundImagePath
// becomes the program's folder followed by that name. Refused (false, nothing
// changes) for an empty name or when the path would not fit its field.
bool ChooseBackgroundImage(OptionsContext& context, std::u16string_view selectedName);

// OK: release the image and, when the option is on, load it again from
// backgroundImagePath, so a newly chosen file shows.
void ConfirmOptions(OptionsContext& context);

}  // namespace solvane
