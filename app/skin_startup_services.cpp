#include "app/skin_startup_services.h"

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
  SaveState(StateFilePath(shell_.ProgramFolder()), records_.options, *records_.playlist,
            records_.player, GetVolume(media_));
}

void SkinStartupServices::ReleaseSkinImages() {
  records_.bitmaps.backgroundImage.reset();
  records_.bitmaps.faceImage.reset();
  records_.bitmaps.spriteSheet.reset();
}

}  // namespace solvane
