#pragma once
// Files handed to the running player by later starts. A file manager that
// starts the program once per chosen file, or several starts at once, make a
// burst: the first set in a burst is opened as the command line's files are
// (the playlist replaced, the first playing); every set whose start was
// launched within the join window of the latest start of the burst is added
// to it, however late it gets through, so every file of the burst ends in the
// playlist. Sets that arrive while the player is still starting are kept and
// opened together once it has started.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "playback/playback_control.h"
#include "playlist/folder_entries.h"

namespace solvane {

class ForwardedFiles {
 public:
  static constexpr std::int64_t kJoinWindowMs = 2000;

  // `keepListing` stops the listing of folders when the program is ending.
  explicit ForwardedFiles(KeepListing keepListing = {}) : keepListing_(std::move(keepListing)) {}

  // Keeps `paths` (absolute), of a start launched at `launchedMs`, for
  // OpenKept.
  void Keep(std::span<const std::u16string> paths, std::int64_t launchedMs);
  // Opens the kept sets as one set, the first burst of the run. True when
  // the playlist changed.
  bool OpenKept(PlaybackContext& playback);

  // Opens or adds `paths` (absolute) of a start launched at `launchedMs`
  // (milliseconds on a clock all processes share); an empty set does
  // nothing. True when the playlist changed.
  bool Receive(PlaybackContext& playback, std::span<const std::u16string> paths,
               std::int64_t launchedMs);

 private:
  KeepListing keepListing_;
  std::vector<std::u16string> kept_;
  std::optional<std::int64_t> keptLaunchMs_;
  std::optional<std::int64_t> latestLaunchMs_;
};

}  // namespace solvane
