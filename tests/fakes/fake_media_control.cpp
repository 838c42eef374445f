#include "tests/fakes/fake_media_control.h"

#include <algorithm>

namespace solvane::testing {

std::int32_t FakeMediaControl::PlayState() { return playState; }

std::int32_t FakeMediaControl::PutUrl(std::u16string_view path) {
  calls.emplace_back("url");
  urls.emplace_back(path);
  const bool refused =
      std::find(refusedUrls.begin(), refusedUrls.end(), path) != refusedUrls.end();
  const std::int32_t result = refused ? -1 : urlResult;
  if (result == 0 || result == 1) {
    playState = kPlayStatePlaying;
    position = 0.0;
  }
  return result;
}

void FakeMediaControl::Close() { calls.emplace_back("close"); }

void FakeMediaControl::Play() {
  calls.emplace_back("play");
  playState = kPlayStatePlaying;
}

void FakeMediaControl::Pause() {
  calls.emplace_back("pause");
  playState = kPlayStatePaused;
}

void FakeMediaControl::Stop() {
  calls.emplace_back("stop");
  playState = kPlayStateStopped;
}

std::optional<double> FakeMediaControl::CurrentPosition() { return position; }

std::int32_t FakeMediaControl::PutCurrentPosition(double seconds) {
  calls.emplace_back("seek");
  positionPuts.push_back(seconds);
  if (positionPutResult == 0) {
    position = seconds;
  }
  return positionPutResult;
}

std::optional<std::int32_t> FakeMediaControl::Volume() { return volume; }

void FakeMediaControl::PutVolume(std::int32_t value) {
  volumePuts.push_back(value);
  volume = value;
}

void FakeMediaControl::PutMute(bool on) {
  mutePuts.push_back(on);
  muted = on;
}

std::optional<bool> FakeMediaControl::ErrorDialogsEnabled() { return errorDialogs; }

void FakeMediaControl::PutErrorDialogsEnabled(bool enabled) {
  calls.emplace_back("errorDialogs");
  errorDialogs = enabled;
}

std::optional<MediaItem> FakeMediaControl::CurrentMedia() {
  ++mediaReads;
  return media;
}

int FakeMediaControl::CallCount(const std::string& name) const {
  return static_cast<int>(std::count(calls.begin(), calls.end(), name));
}

}  // namespace solvane::testing
