#pragma once
// The engine the program runs with when the real one cannot be created: it
// refuses every file, so nothing ever plays, and keeps the volume and mute it
// is given so the face still answers to them.

#include "playback/media_control.h"

namespace solvane {

class NullMediaControl : public MediaControl {
 public:
  std::int32_t PlayState() override { return kPlayStateStopped; }
  std::int32_t PutUrl(std::u16string_view) override { return -1; }
  void Close() override {}
  void Play() override {}
  void Pause() override {}
  void Stop() override {}
  std::optional<double> CurrentPosition() override { return std::nullopt; }
  std::int32_t PutCurrentPosition(double) override { return -1; }
  std::optional<std::int32_t> Volume() override { return volume_; }
  void PutVolume(std::int32_t volume) override { volume_ = volume; }
  void PutMute(bool) override {}
  std::optional<bool> ErrorDialogsEnabled() override { return std::nullopt; }
  void PutErrorDialogsEnabled(bool) override {}
  std::optional<MediaItem> CurrentMedia() override { return std::nullopt; }

 private:
  std::int32_t volume_ = 80;
};

}  // namespace solvane
