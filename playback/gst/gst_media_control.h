#pragma once
// The media engine on GStreamer: one audio-only playbin per instance, tags,
// bit rate and duration from TagLib where the engine knows them late, badly or
// not at all.
//
// Nothing subscribes to the engine's events and nothing is called back: each
// call that reads the state first drains the pipeline's bus on the caller's
// thread (end of stream, errors, tags), so every change, the end of a track
// included, is learned by polling and no GStreamer thread touches anything of
// the program's.

#include <cstdint>
#include <optional>
#include <string>

#include "playback/gst/track_tags.h"
#include "playback/media_control.h"

// GStreamer's own declarations, so that including this header does not pull
// in GLib's (which clash with Qt's keywords).
typedef struct _GstElement GstElement;
typedef struct _GstTagList GstTagList;

namespace solvane {

class GstMediaControl : public MediaControl {
 public:
  // Builds the pipeline; the audio output comes from SOLVANE_AUDIO_SINK
  // (default: the desktop's). When GStreamer cannot start, every file is
  // refused and every read answers nothing.
  GstMediaControl();
  ~GstMediaControl() override;
  GstMediaControl(const GstMediaControl&) = delete;
  GstMediaControl& operator=(const GstMediaControl&) = delete;

  std::int32_t PlayState() override;
  std::int32_t PutUrl(std::u16string_view path) override;
  std::u16string RefusalReason() override;
  void Close() override;
  void Play() override;
  void Pause() override;
  void Stop() override;
  std::optional<double> CurrentPosition() override;
  std::int32_t PutCurrentPosition(double seconds) override;
  std::optional<std::int32_t> Volume() override;
  void PutVolume(std::int32_t volume) override;
  void PutMute(bool muted) override;
  std::optional<bool> ErrorDialogsEnabled() override;
  void PutErrorDialogsEnabled(bool enabled) override;
  std::optional<MediaItem> CurrentMedia() override;

  // The pipeline's volume (0..100) and mute switch as they stand; nothing
  // without a pipeline.
  std::optional<std::int32_t> PipelineVolume() const;
  std::optional<bool> Mute() const;

 private:
  bool Resume();
  bool OpenMediaFile(const std::string& file);
  void CloseMediaFile();
  // Handles every message waiting on the bus; true when one was an error.
  bool DrainBus();
  // Keeps the engine's error after a failed preroll as the refusal's reason.
  void KeepRefusalError();
  void CollectTags(GstTagList* tags);
  void EndPlayback();
  void Unload();
  bool Preroll();
  bool WaitUntilSettled();
  void ApplyVolumeAndMute();
  std::optional<double> QueryDurationSeconds() const;
  const TrackTags& FileTags();

  GstElement* playbin_ = nullptr;
  GstTagList* engineTags_ = nullptr;  // merged from the bus since the last PutUrl
  bool mediaOpen_ = false;
  int mediaFd_ = -1;                        // the media file the engine reads, by its descriptor
  std::string mediaPath_;                   // UTF-8, while media is open: the file's own name
  std::optional<TrackTags> fileTags_;       // read from the file once per media
  std::int32_t state_ = kPlayStateStopped;
  std::int32_t volume_ = 100;  // the pipeline's own at its start
  bool muted_ = false;
  bool errorDialogs_ = false;  // no dialogs exist here; kept for the caller
  std::string putPath_;      // UTF-8 name of the last path put; empty when it had none
  std::string engineError_;  // the first error the engine gave since that put
};

}  // namespace solvane
