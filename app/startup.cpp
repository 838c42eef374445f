#include "app/startup.h"

#include "playback/startup_playback.h"

namespace solvane {
namespace {

void SetOptionDefaults(Options& options) {
  options.playLastFileAtStartup = 0;
  options.rememberLastPosition = 0;
  options.rememberPlaylist = 1;
  options.useBackgroundImage = 0;
  options.backgroundImagePath[0] = u'\0';
}

}  // namespace

bool RunStartup(StartupRecords& records) {
  PlaybackContext& playback = records.playback;
  Options& options = records.options;
  StartupServices& services = records.services;

  PrepareEngineAtStartup(playback);
  SetOptionDefaults(options);
  services.FillStartScreenTexts();
  records.lifecycle.savedWindowRect = WindowRect{};
  options.version = kProgramVersion;

  std::int32_t volume = kDefaultVolume;
  const bool stateLoaded = services.LoadStateFile(volume);
  AfterStateLoaded(playback, stateLoaded, volume);

  if (!services.CheckScreen()) {
    return false;
  }
  options.firstStartDone = 1;
  services.ComputeFaceLayout();

  // The window comes first; the track start, which waits for the engine to
  // preroll the file, follows with every effect in the same order.
  if (options.playLastFileAtStartup != 0 && playback.playlist.playlistCount > 0) {
    services.ShowWindowBeforeTrackStart();
  }
  StartLastFileIfWanted(playback, options);
  ArmResumeIfWanted(playback, options);
  if (options.useBackgroundImage != 0) {
    services.LoadBackgroundImage();
  }
  records.lifecycle.started = true;
  return true;
}

void RunShutdown(StartupRecords& records) {
  if (records.lifecycle.shutDown) {
    return;
  }
  records.lifecycle.shutDown = true;
  KeepPositionOnlyForCurrentEntry(records.playback);
  records.services.SaveStateFile();
  records.services.ReleaseSkinImages();
  records.playback.media.Close();
}

}  // namespace solvane
