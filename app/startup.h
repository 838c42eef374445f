#pragma once
// What the main window runs while it is being created, and again while it is
// being destroyed: the start-up initialisation in its fixed order and the
// shutdown that saves the state file once.

#include <cstdint>

#include "base/options.h"
#include "app/input/window_actions.h"
#include "playback/playback_control.h"

namespace solvane {

// The start-up and shutdown steps that belong to the skin, the start screen
// and the state file. The application passes the real ones in; tests record
// the order they are called in.
class StartupServices {
 public:
  virtual ~StartupServices() = default;
  virtual void FillStartScreenTexts() = 0;
  // True when the state file was read; its volume comes back in `volume`.
  virtual bool LoadStateFile(std::int32_t& volume) = 0;
  // False when the start is abandoned (unsupported screen refused, skin data
  // missing); the caller then shuts down.
  virtual bool CheckScreen() = 0;
  virtual void ComputeFaceLayout() = 0;
  virtual void LoadBackgroundImage() = 0;
  // Shows the window and lets it map and paint before the start-up starts
  // the last file, whose preroll the engine waits for. Nothing by default:
  // the window is then shown once the start-up is over.
  virtual void ShowWindowBeforeTrackStart() {}
  virtual void SaveStateFile() = 0;
  virtual void ReleaseSkinImages() = 0;
};

struct AppLifecycle {
  WindowRect savedWindowRect;
  bool started = false;   // the start-up initialisation ran to its end
  bool shutDown = false;  // the shutdown ran; it never runs twice
};

struct StartupRecords {
  PlaybackContext& playback;
  Options& options;
  AppLifecycle& lifecycle;
  StartupServices& services;
};

// The start-up initialisation. Returns false when the screen check abandoned
// the start; the steps after it are then skipped.
bool RunStartup(StartupRecords& records);

// The destruction handling: saves the state file, releases the skin images and
// closes the engine. Runs once; later calls do nothing.
void RunShutdown(StartupRecords& records);

}  // namespace solvane
