#include "app/instance/forwarded_files.h"

#include "views/opened_files.h"

namespace solvane {

bool ForwardedFiles::Receive(PlaybackContext& playback, std::span<const std::u16string> paths,
                             std::uint32_t nowMs) {
  if (paths.empty()) {
    return false;
  }
  const bool joins = lastSetMs_.has_value() && nowMs - *lastSetMs_ < kJoinWindowMs &&
                     playback.playlist.playlistCount > 0;
  lastSetMs_ = nowMs;
  if (joins) {
    return AddFiles(playback, paths) > 0;
  }
  const std::int32_t before = playback.playlist.playlistCount;
  OpenFiles(playback, paths);
  return playback.playlist.playlistCount != before || before > 0;
}

}  // namespace solvane
