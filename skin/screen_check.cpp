#include "skin/screen_check.h"

#include <string_view>

#include "base/wide_text.h"

namespace solvane {

namespace {

constexpr std::u16string_view kWarningCaption = u"Solvane Warning";
constexpr std::u16string_view kUnsupportedScreenText =
    u"This version does not support this resolution. Visit  www.morwick.example  for "
    u"other version. Do you continue anyway?";
constexpr std::u16string_view kErrorCaption = u"Solvane Error";
constexpr std::u16string_view kMissingSkinFileText =
    u"Error. Important file is missing or not enough memory.\nContact with Morwick";
constexpr std::u16string_view kSkinDataFileName = u"wvrc.sv";

// The skin data file's path in the program's data folder. A path that does not fit
// a path field is refused rather than cut, so a cut name never opens a
// different file.
std::unique_ptr<Bitmap> LoadSkinDataFile(Shell& shell, SkinImages& images) {
  char16_t path[kPathField] = {};
  if (!WideCopy(path, shell.DataFolder()) || !WideAppend(path, kSkinDataFileName)) {
    return nullptr;
  }
  return images.LoadFile(WideView(path));
}

}  // namespace

bool ScreenCheck(ScreenLayout& layout, SkinBitmaps& bitmaps, const Options& options,
                 Shell& shell, SkinImages& images) {
  const ScreenSize screen = shell.PrimaryScreenSize();
  int mode = ScreenModeFor(screen.width, screen.height);
  if (mode == kScreenModeUnsupported) {
    if (options.firstStartDone == 0 && !shell.AskYesNo(kWarningCaption, kUnsupportedScreenText)) {
      return false;
    }
    mode = kScreenMode240x320;
  }

  if (mode == kScreenMode240x320 || mode == kScreenMode240x400) {
    bitmaps.faceImage = images.LoadBuiltIn(BuiltInBitmap::kFaceImage);
    bitmaps.spriteSheet = images.LoadBuiltIn(BuiltInBitmap::kSpriteSheet);
  } else {
    std::unique_ptr<Bitmap> face = LoadSkinDataFile(shell, images);
    if (face == nullptr) {
      shell.ShowError(kErrorCaption, kMissingSkinFileText);
      return false;
    }
    bitmaps.faceImage = std::move(face);
    bitmaps.spriteSheet = images.LoadBuiltIn(BuiltInBitmap::kDoubleSpriteSheet);
  }

  SetScreenValues(layout, mode);
  return true;
}

}  // namespace solvane
