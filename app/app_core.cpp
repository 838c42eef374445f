#include "app/app_core.h"

#include "app/input/command_table.h"
#include "app/input/key_input.h"
#include "playback/poll_tick.h"
#include "app/input/stylus.h"

namespace solvane {

AppCore::AppCore(MediaControl& media, Shell& shell, SkinImages& images, WindowActions& window)
    : media_(media),
      window_(window),
      playback_{records_.player, *records_.playlist, records_.lyrics, records_.trackInfo,
                *records_.browser, media, shell},
      services_(records_, media, shell, images, window) {}

FaceScale AppCore::face() const {
  return FaceScale{records_.layout.skinScale, IsTallScreen(records_.layout.screenMode)};
}

InputContext AppCore::Input() {
  return InputContext{playback_, window_, records_.lifecycle.savedWindowRect, face()};
}

StartupRecords AppCore::Lifecycle() {
  return StartupRecords{playback_, records_.options, records_.lifecycle, services_};
}

bool AppCore::Start() {
  StartupRecords lifecycle = Lifecycle();
  if (RunStartup(lifecycle)) {
    return true;
  }
  RunShutdown(lifecycle);
  return false;
}

void AppCore::Shutdown() {
  StartupRecords lifecycle = Lifecycle();
  RunShutdown(lifecycle);
}

void AppCore::Tick() { PollTick(playback_, records_.layout.lyricRows); }

bool AppCore::Command(int id) {
  InputContext input = Input();
  return DispatchCommand(input, id);
}

bool AppCore::KeyDown(int virtualKey) { return HandleKeyDown(playback_, virtualKey); }

void AppCore::PenDown(int x, int y) {
  InputContext input = Input();
  solvane::PenDown(input, x, y);
}

void AppCore::PenMove(int x, int y) {
  InputContext input = Input();
  solvane::PenMove(input, x, y);
}

void AppCore::PenUp(int x, int y) {
  InputContext input = Input();
  solvane::PenUp(input, x, y);
}

}  // namespace solvane
