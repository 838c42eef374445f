#pragma once
// The program's records and playback control wired to the real GStreamer
// engine, ticked every 100 ms as the main window's poll timer does. Each tick
// leaves a snapshot of what the program and the engine showed after it, so
// tests can check states and their order without timing anything.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lyrics/lyric_state.h"
#include "lyrics/track_info.h"
#include "playback/gst/gst_media_control.h"
#include "playback/playback_control.h"
#include "base/browser_listing.h"
#include "base/playlist.h"
#include "tests/playback/gst/test_media.h"
#include "tests/fakes/playback_records.h"
#include "tests/fakes/recording_shell.h"

namespace solvane::testing {

// The real engine, with every path it was given (UTF-8) and its answer noted.
class UrlRecordingEngine : public MediaControl {
 public:
  struct Url {
    std::string path;
    bool accepted = false;
  };

  std::vector<Url> urls;
  GstMediaControl engine;

  std::int32_t PlayState() override { return engine.PlayState(); }
  std::int32_t PutUrl(std::u16string_view path) override;
  void Close() override { engine.Close(); }
  void Play() override { engine.Play(); }
  void Pause() override { engine.Pause(); }
  void Stop() override { engine.Stop(); }
  std::optional<double> CurrentPosition() override { return engine.CurrentPosition(); }
  std::int32_t PutCurrentPosition(double seconds) override {
    return engine.PutCurrentPosition(seconds);
  }
  std::optional<std::int32_t> Volume() override { return engine.Volume(); }
  void PutVolume(std::int32_t volume) override { engine.PutVolume(volume); }
  void PutMute(bool muted) override { engine.PutMute(muted); }
  std::optional<bool> ErrorDialogsEnabled() override { return engine.ErrorDialogsEnabled(); }
  void PutErrorDialogsEnabled(bool enabled) override { engine.PutErrorDialogsEnabled(enabled); }
  std::optional<MediaItem> CurrentMedia() override { return engine.CurrentMedia(); }
};

// What one tick left behind.
struct TickSnapshot {
  std::int32_t engineState = 0;
  std::size_t urlCount = 0;
  std::int32_t currentIndex = 0;
  PlayerState player;
  std::int32_t headerShown = 0;
  std::string litLine;  // text of the lyric row shown highlighted
  std::int32_t litLineTime = 0;
};

class EngineRig : public PlaybackRecords {
 public:
  EngineRig();

  // Writes a one-second tone "<name>" into the rig's folder and appends it to
  // the playlist; `withFile` false appends the entry without writing anything.
  void AddTrack(const std::string& name, bool withFile = true);
  // Writes `text` into "<name>" in the rig's folder.
  void WriteFile(const std::string& name, const std::string& text) const;
  std::string PathOf(const std::string& name) const;

  // One poll tick, then its snapshot.
  const TickSnapshot& Tick();
  // Ticks every 100 ms until `done` holds for the latest snapshot; false when
  // it still does not after `maxTicks` ticks (a guard against hanging only).
  bool TickUntil(const std::function<bool(const TickSnapshot&)>& done, int maxTicks = 80);
  // The snapshots of the ticks run so far, oldest first.
  const std::vector<TickSnapshot>& history() const { return history_; }

  // The engine's paths, in the order it was given them.
  std::vector<std::string> UrlPaths() const;
  std::string Title() const;

  TempFolder folder;
  std::unique_ptr<UrlRecordingEngine> media;
  RecordingShell shell;
  PlaybackContext playback;

 private:
  std::vector<TickSnapshot> history_;
};

}  // namespace solvane::testing
