#pragma once
// The media engine as the program sees it: a player that accepts a file path,
// plays it, reports a play state, reads and sets a position in seconds, and has
// a 0..100 volume and a mute switch. Nothing is ever called back: callers poll.
//
// Play states:
//   3  playing
//   2  paused
//   1  stopped, and also after the end of the media. The end of a track is
//      reported as stopped, never as an intermediate state.
// Any other value may appear and is only recorded by callers.
//
// No member throws; failures are results.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solvane {

inline constexpr std::int32_t kPlayStateStopped = 1;
inline constexpr std::int32_t kPlayStatePaused = 2;
inline constexpr std::int32_t kPlayStatePlaying = 3;

struct MediaAttribute {
  std::u16string name;
  std::u16string value;
};

// What the engine knows of the media it has open.
struct MediaItem {
  double durationSeconds = 0.0;  // 0 when it cannot be read
  std::vector<MediaAttribute> attributes;
  // False while durationSeconds is only a stand-in that the engine may still
  // better (it has not learned the length of the media yet): ask again later.
  bool durationSettled = true;
};

class MediaControl {
 public:
  virtual ~MediaControl() = default;

  virtual std::int32_t PlayState() = 0;

  // Opens the file and starts playing it. 0 or 1 = accepted; anything else =
  // refused (missing, unreadable or not media), decided before returning.
  virtual std::int32_t PutUrl(std::u16string_view path) = 0;

  // Why the last PutUrl was refused, in words ("No such file or directory",
  // the decoder's complaint); empty when the engine cannot say.
  virtual std::u16string RefusalReason() { return {}; }

  // Releases the open media.
  virtual void Close() = 0;

  virtual void Play() = 0;
  virtual void Pause() = 0;
  virtual void Stop() = 0;

  // Current position in seconds; nothing when it cannot be read.
  virtual std::optional<double> CurrentPosition() = 0;

  // Moves to `seconds`; 0 when done, anything else when it failed.
  virtual std::int32_t PutCurrentPosition(double seconds) = 0;

  // Volume 0..100; nothing when it cannot be read.
  virtual std::optional<std::int32_t> Volume() = 0;
  virtual void PutVolume(std::int32_t volume) = 0;
  virtual void PutMute(bool muted) = 0;

  // The engine's own error dialogs; nothing when the setting cannot be read.
  virtual std::optional<bool> ErrorDialogsEnabled() = 0;
  virtual void PutErrorDialogsEnabled(bool enabled) = 0;

  // The media currently open; nothing when none is.
  virtual std::optional<MediaItem> CurrentMedia() = 0;
};

}  // namespace solvane
