// Volume and mute, and the volume keys.

#include <algorithm>

#include "base/options.h"
#include "playback/playback_control.h"

namespace solvane {
namespace {

constexpr std::int32_t kLowestVolume = 0;
constexpr std::int32_t kHighestVolume = 100;

void StepVolume(PlaybackContext& context, std::int32_t step) {
  const std::int32_t volume = std::clamp(GetVolume(context.media), kLowestVolume, kHighestVolume);
  SetVolume(context.media, volume + step);
  context.shell.InvalidateMainWindow();
}

}  // namespace

std::int32_t GetVolume(MediaControl& media) {
  return media.Volume().value_or(kDefaultVolume);
}

void SetVolume(MediaControl& media, std::int32_t volume) {
  // The engine maps its volume linearly; a value from outside (a damaged
  // state file) must not make it louder than full.
  media.PutVolume(std::clamp(volume, kLowestVolume, kHighestVolume));
}

void SetMute(MediaControl& media, std::int32_t muted) { media.PutMute(muted != 0); }

void VolumeUp(PlaybackContext& context) { StepVolume(context, kVolumeStep); }

void VolumeDown(PlaybackContext& context) { StepVolume(context, -kVolumeStep); }

}  // namespace solvane
