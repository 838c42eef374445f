#pragma once
// A scripted engine: a test sets its state, position, volume and refusals
// directly and reads back every call the code under test made.

#include <optional>
#include <string>
#include <vector>

#include "playback/media_control.h"

namespace solvane::testing {

class FakeMediaControl : public MediaControl {
 public:
  // Scripted answers.
  std::int32_t playState = kPlayStateStopped;
  std::int32_t urlResult = 0;             // what PutUrl answers (0/1 accept)
  std::vector<std::u16string> refusedUrls;  // these are refused whatever urlResult says
  std::u16string refusalReason = u"not a media file";  // the reason it gives for them
  std::optional<double> position = 0.0;   // nothing = the read fails
  std::int32_t positionPutResult = 0;     // 0 = the put succeeds and moves `position`
  std::optional<std::int32_t> volume = 80;
  std::optional<bool> errorDialogs = true;
  std::optional<MediaItem> media;

  // Recorded calls.
  std::vector<std::string> calls;          // "url", "play", "pause", "stop", "close", ...
  std::vector<std::u16string> urls;
  std::vector<double> positionPuts;
  std::vector<std::int32_t> volumePuts;
  std::vector<bool> mutePuts;
  bool muted = false;
  int mediaReads = 0;  // CurrentMedia calls

  std::int32_t PlayState() override;
  std::int32_t PutUrl(std::u16string_view path) override;
  std::u16string RefusalReason() override { return refusalReason; }
  void Close() override;
  void Play() override;
  void Pause() override;
  void Stop() override;
  std::optional<double> CurrentPosition() override;
  std::int32_t PutCurrentPosition(double seconds) override;
  std::optional<std::int32_t> Volume() override;
  void PutVolume(std::int32_t value) override;
  void PutMute(bool on) override;
  std::optional<bool> ErrorDialogsEnabled() override;
  void PutErrorDialogsEnabled(bool enabled) override;
  std::optional<MediaItem> CurrentMedia() override;

  // How many times `name` appears in `calls`.
  int CallCount(const std::string& name) const;
};

}  // namespace solvane::testing
