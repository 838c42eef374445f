#pragma once
// The application without its window: the records, the start-up and
// shutdown, the poll tick and the routing of commands, keys and the stylus.
// The Qt main window forwards its events here; tests drive it directly.

#include "app/app_records.h"
#include "app/input/input_context.h"
#include "app/skin_startup_services.h"
#include "app/input/window_actions.h"
#include "playback/playback_control.h"

namespace solvane {

class AppCore {
 public:
  AppCore(MediaControl& media, Shell& shell, SkinImages& images, WindowActions& window);
  AppCore(const AppCore&) = delete;
  AppCore& operator=(const AppCore&) = delete;

  // The start-up initialisation. False when it was abandoned; the shutdown
  // has then already run.
  bool Start();
  // The destruction handling; runs once however often it is asked for.
  void Shutdown();

  void Tick();
  bool Command(int id);
  bool KeyDown(int virtualKey);
  void PenDown(int x, int y);
  void PenMove(int x, int y);
  void PenUp(int x, int y);

  AppRecords& records() { return records_; }
  PlaybackContext& playback() { return playback_; }
  MediaControl& media() { return media_; }
  FaceScale face() const;

 private:
  InputContext Input();
  StartupRecords Lifecycle();

  AppRecords records_;
  MediaControl& media_;
  WindowActions& window_;
  PlaybackContext playback_;
  SkinStartupServices services_;
};

}  // namespace solvane
