#include "app/skin_startup_services.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/wide_text.h"

#include "playback/playback_control.h"
#include "playlist/state_file.h"
#include "skin/background_image.h"
#include "skin/screen_check.h"

namespace solvane {

void SkinStartupServices::FillStartScreenTexts() {
  solvane::FillStartScreenTexts(records_.startScreen, *records_.playlist);
}

bool SkinStartupServices::LoadStateFile(std::int32_t& volume) {
  return LoadState(StateFilePath(shell_.ProgramFolder()), records_.options, *records_.playlist,
                   records_.player, volume);
}

bool SkinStartupServices::CheckScreen() {
  return ScreenCheck(records_.layout, records_.bitmaps, records_.options, shell_, images_);
}

void SkinStartupServices::ComputeFaceLayout() { solvane::ComputeFaceLayout(records_.layout); }

void SkinStartupServices::LoadBackgroundImage() {
  solvane::LoadBackgroundImage(records_.bitmaps, records_.options, images_);
}

void SkinStartupServices::SaveStateFile() {
  const std::u16string path = StateFilePath(shell_.ProgramFolder());
  if (!SaveState(path, records_.options, *records_.playlist, records_.player, GetVolume(media_))) {
    // The user is told where and why rather than losing the playlist quietly.
    const int reason = errno;
    std::fprintf(stderr, "solvane: cannot save %s: %s\n",
                 WideToUtf8(path).value_or("the state file").c_str(), std::strerror(reason));
  }
}

void SkinStartupServices::ReleaseSkinImages() {
  records_.bitmaps.backgroundImage.reset();
  records_.bitmaps.faceImage.reset();
  records_.bitmaps.spriteSheet.reset();
}

}  // namespace solvane
