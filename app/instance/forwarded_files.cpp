#include "app/instance/forwarded_files.h"

#include <algorithm>

#include "views/opened_files.h"

namespace solvane {

void ForwardedFiles::Keep(std::span<const std::u16string> paths, std::int64_t launchedMs) {
  if (paths.empty()) {
    return;
  }
  kept_.insert(kept_.end(), paths.begin(), paths.end());
  keptLaunchMs_ = std::max(keptLaunchMs_.value_or(launchedMs), launchedMs);
}

bool ForwardedFiles::OpenKept(PlaybackContext& playback) {
  if (kept_.empty()) {
    return false;
  }
  const std::vector<std::u16string> paths = std::move(kept_);
  kept_.clear();
  latestLaunchMs_.reset();
  return Receive(playback, paths, *keptLaunchMs_);
}

bool ForwardedFiles::Receive(PlaybackContext& playback, std::span<const std::u16string> paths,
                             std::int64_t launchedMs) {
  if (paths.empty()) {
    return false;
  }
  // A start launched before the latest of the burst joins it too: it only
  // got through later.
  const bool joins = latestLaunchMs_.has_value() && launchedMs < *latestLaunchMs_ + kJoinWindowMs &&
                     playback.playlist.playlistCount > 0;
  latestLaunchMs_ = std::max(latestLaunchMs_.value_or(launchedMs), launchedMs);
  if (joins) {
    return AddFiles(playback, paths, keepListing_) > 0;
  }
  const std::int32_t before = playback.playlist.playlistCount;
  OpenFiles(playback, paths, keepListing_);
  return playback.playlist.playlistCount != before || before > 0;
}

}  // namespace solvane
