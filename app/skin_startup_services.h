#pragma once
// The start-up and shutdown steps of the skin, the start screen and the state
// file, over the application's records.

#include "app/app_records.h"
#include "base/shell.h"
#include "app/startup.h"
#include "app/input/window_actions.h"
#include "playback/media_control.h"
#include "skin/skin_images.h"

namespace solvane {

class SkinStartupServices final : public StartupServices {
 public:
  SkinStartupServices(AppRecords& records, MediaControl& media, Shell& shell, SkinImages& images,
                      WindowActions& window)
      : records_(records), media_(media), shell_(shell), images_(images), window_(window) {}

  void FillStartScreenTexts() override;
  bool LoadStateFile(std::int32_t& volume) override;
  bool CheckScreen() override;
  void ComputeFaceLayout() override;
  void LoadBackgroundImage() override;
  void ShowWindowBeforeTrackStart() override { window_.ShowBeforeTrackStart(); }
  // Saves the volume the engine holds at this moment.
  void SaveStateFile() override;
  void ReleaseSkinImages() override;

 private:
  AppRecords& records_;
  MediaControl& media_;
  Shell& shell_;
  SkinImages& images_;
  WindowActions& window_;
};

}  // namespace solvane
