#pragma once
// The options of the Options dialog and the other values the state file keeps
// besides the playlist.

#include <cstdint>

#include "base/wide_text.h"

namespace solvane {

inline constexpr std::int32_t kProgramVersion = 910;
inline constexpr std::int32_t kDefaultVolume = 80;

struct Options {
  std::int32_t playLastFileAtStartup = 0;
  std::int32_t rememberPlaylist = 1;
  std::int32_t rememberLastPosition = 0;
  std::int32_t useBackgroundImage = 0;
  char16_t backgroundImagePath[kPathField] = {};
  std::int32_t firstStartDone = 0;
  std::int32_t version = kProgramVersion;
};

}  // namespace solvane
