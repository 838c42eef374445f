#pragma once
// Files handed to the running player by later starts. A file manager that
// starts the program once per chosen file, or several starts at once, make a
// burst: the first set in a burst is opened as the command line's files are
// (the playlist replaced, the first playing); sets that follow within the
// join window are added to it, so every file of the burst ends in the
// playlist.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "playback/playback_control.h"

namespace solvane {

class ForwardedFiles {
 public:
  static constexpr std::uint32_t kJoinWindowMs = 2000;

  // Opens or adds `paths` (absolute) at time `nowMs`; an empty set does
  // nothing. True when the playlist changed.
  bool Receive(PlaybackContext& playback, std::span<const std::u16string> paths,
               std::uint32_t nowMs);

 private:
  std::optional<std::uint32_t> lastSetMs_;
};

}  // namespace solvane
