#include "playback/gst/gst_media_control.h"

#include <gst/gst.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>

#include "base/regular_file.h"
#include "base/wide_text.h"
#include "playback/gst/gst_playbin.h"
#include "playback/gst/gst_track_tags.h"
#include "playback/gst/refusal_reason.h"
#include "playback/gst/taglib_media_info.h"

namespace solvane {

namespace {

// Long enough for any local file to preroll; a file that takes longer is
// treated as unplayable rather than blocking the caller.
constexpr GstClockTime kStateChangeTimeout = 5 * GST_SECOND;
constexpr GstClockTime kSettleSlice = 20 * GST_MSECOND;
constexpr GstClockTime kRefusalErrorWait = 200 * GST_MSECOND;

// The file-system name of `path`, or nothing when it has no exact UTF-8 form
// (an unpaired surrogate) or holds a NUL, which would cut the name short and
// open a different file.
std::optional<std::string> FileSystemPath(std::u16string_view path) {
  if (path.empty() || path.find(u'\0') != std::u16string_view::npos) {
    return std::nullopt;
  }
  return WideToUtf8(path);
}

// The URI of a local file, built by GLib so that every character is escaped.
std::optional<std::string> FileUri(const std::string& path) {
  GError* error = nullptr;
  gchar* uri = gst_filename_to_uri(path.c_str(), &error);
  if (error != nullptr) {
    g_error_free(error);
  }
  if (uri == nullptr) {
    return std::nullopt;
  }
  std::string result(uri);
  g_free(uri);
  return result;
}

bool Changed(GstStateChangeReturn result) { return result != GST_STATE_CHANGE_FAILURE; }

// The text of an error message, unless an earlier one is kept already.
void KeepFirstError(GstMessage* message, std::string& kept) {
  if (!kept.empty()) {
    return;
  }
  GError* error = nullptr;
  gst_message_parse_error(message, &error, nullptr);
  if (error != nullptr) {
    kept = error->message != nullptr ? error->message : "";
    g_error_free(error);
  }
}

}  // namespace

GstMediaControl::GstMediaControl() : playbin_(CreateAudioPlaybin()) {}

GstMediaControl::~GstMediaControl() {
  Unload();
  if (playbin_ != nullptr) {
    gst_object_unref(playbin_);
  }
}

std::int32_t GstMediaControl::PlayState() {
  DrainBus();
  return state_;
}

std::int32_t GstMediaControl::PutUrl(std::u16string_view path) {
  Unload();
  if (playbin_ == nullptr) {
    return -1;
  }
  const std::optional<std::string> file = FileSystemPath(path);
  putPath_ = file.value_or(std::string());
  engineError_.clear();
  if (!file || !OpenMediaFile(*file)) {
    return -1;
  }
  ApplyVolumeAndMute();
  if (!Preroll() || !Changed(gst_element_set_state(playbin_, GST_STATE_PLAYING))) {
    KeepRefusalError();
    Unload();
    return -1;
  }
  mediaOpen_ = true;
  mediaPath_ = *file;
  state_ = kPlayStatePlaying;
  return 0;
}

std::u16string GstMediaControl::RefusalReason() {
  return Utf8ToWide(DescribeRefusal(putPath_, engineError_)).value_or(u"");
}

void GstMediaControl::Close() { Unload(); }

void GstMediaControl::Play() {
  if (Resume() && Changed(gst_element_set_state(playbin_, GST_STATE_PLAYING))) {
    state_ = kPlayStatePlaying;
  }
}

void GstMediaControl::Pause() {
  if (Resume() && Changed(gst_element_set_state(playbin_, GST_STATE_PAUSED))) {
    state_ = kPlayStatePaused;
  }
}

// Whether the open media can go on playing or pausing. Stopped media prerolls
// again first, so that it answers its position at once and a file that went
// missing meanwhile stays stopped.
bool GstMediaControl::Resume() {
  DrainBus();
  if (!mediaOpen_) {
    return false;
  }
  // Stopped media opens its file again; it may have been replaced meanwhile.
  if (state_ == kPlayStateStopped && (!OpenMediaFile(mediaPath_) || !Preroll())) {
    EndPlayback();
    return false;
  }
  return true;
}

void GstMediaControl::Stop() {
  DrainBus();
  if (mediaOpen_) {
    EndPlayback();
  }
}

std::optional<double> GstMediaControl::CurrentPosition() {
  DrainBus();
  if (!mediaOpen_) {
    return std::nullopt;
  }
  // Stopped media starts again from its beginning.
  if (state_ == kPlayStateStopped) {
    return 0.0;
  }
  gint64 position = 0;
  if (!gst_element_query_position(playbin_, GST_FORMAT_TIME, &position)) {
    return std::nullopt;
  }
  return static_cast<double>(position) / GST_SECOND;
}

std::int32_t GstMediaControl::PutCurrentPosition(double seconds) {
  DrainBus();
  if (!mediaOpen_ || state_ == kPlayStateStopped) {
    return -1;
  }
  double target = seconds > 0.0 ? seconds : 0.0;  // also catches NaN
  if (const std::optional<double> duration = QueryDurationSeconds()) {
    target = std::min(target, *duration);
  }
  const auto nanoseconds = static_cast<gint64>(std::llround(target * GST_SECOND));
  const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
  if (!gst_element_seek_simple(playbin_, GST_FORMAT_TIME, flags, nanoseconds)) {
    return -1;
  }
  // A flushing seek prerolls again; wait for it so the new position reads back.
  return WaitUntilSettled() ? 0 : -1;
}

std::optional<std::int32_t> GstMediaControl::Volume() {
  if (playbin_ == nullptr) {
    return std::nullopt;
  }
  // Read on every repaint. With software volume nothing but
  // ApplyVolumeAndMute sets the pipeline's volume, so the value given to it
  // is the answer, without a property read that takes the pipeline's locks.
  return volume_;
}

std::optional<std::int32_t> GstMediaControl::PipelineVolume() const {
  if (playbin_ == nullptr) {
    return std::nullopt;
  }
  gdouble volume = 0.0;
  g_object_get(playbin_, "volume", &volume, nullptr);
  return static_cast<std::int32_t>(std::lround(std::clamp(volume, 0.0, 1.0) * 100.0));
}

void GstMediaControl::PutVolume(std::int32_t volume) {
  volume_ = std::clamp(volume, 0, 100);
  ApplyVolumeAndMute();
}

void GstMediaControl::PutMute(bool muted) {
  muted_ = muted;
  ApplyVolumeAndMute();
}

std::optional<bool> GstMediaControl::Mute() const {
  if (playbin_ == nullptr) {
    return std::nullopt;
  }
  gboolean muted = FALSE;
  g_object_get(playbin_, "mute", &muted, nullptr);
  return muted != FALSE;
}

std::optional<bool> GstMediaControl::ErrorDialogsEnabled() { return errorDialogs_; }

void GstMediaControl::PutErrorDialogsEnabled(bool enabled) { errorDialogs_ = enabled; }

std::optional<MediaItem> GstMediaControl::CurrentMedia() {
  DrainBus();
  if (!mediaOpen_) {
    return std::nullopt;
  }
  // TagLib reads the file itself and knows its tags and bit rate from the
  // start; the engine's tags cover the rest.
  const TrackTags& fromFile = FileTags();
  const TrackTags merged = FillMissingTags(fromFile, TrackTagsFromGstTags(engineTags_));
  const ReportedDuration duration = ChooseDuration(fromFile, QueryDurationSeconds());
  return MediaItem{duration.seconds, MediaAttributesOf(merged), duration.settled};
}

// The error that made the preroll fail can reach the pipeline's bus a moment
// after the state change has failed; it is waited for, briefly, as the reason.
void GstMediaControl::KeepRefusalError() {
  DrainBus();
  if (!engineError_.empty()) {
    return;
  }
  GstBus* bus = gst_element_get_bus(playbin_);
  if (GstMessage* error = gst_bus_timed_pop_filtered(bus, kRefusalErrorWait, GST_MESSAGE_ERROR)) {
    KeepFirstError(error, engineError_);
    gst_message_unref(error);
  }
  gst_object_unref(bus);
}

bool GstMediaControl::DrainBus() {
  if (playbin_ == nullptr) {
    return false;
  }
  bool failed = false;
  GstBus* bus = gst_element_get_bus(playbin_);
  while (GstMessage* message = gst_bus_pop(bus)) {
    switch (GST_MESSAGE_TYPE(message)) {
      case GST_MESSAGE_ERROR:
        failed = true;
        KeepFirstError(message, engineError_);
        [[fallthrough]];
      case GST_MESSAGE_EOS:
        if (mediaOpen_) {
          EndPlayback();
        }
        break;
      case GST_MESSAGE_TAG: {
        GstTagList* tags = nullptr;
        gst_message_parse_tag(message, &tags);
        CollectTags(tags);
        break;
      }
      default:
        break;
    }
    gst_message_unref(message);
  }
  gst_object_unref(bus);
  return failed;
}

void GstMediaControl::CollectTags(GstTagList* tags) {
  GstTagList* merged = gst_tag_list_merge(engineTags_, tags, GST_TAG_MERGE_REPLACE);
  if (engineTags_ != nullptr) {
    gst_tag_list_unref(engineTags_);
  }
  gst_tag_list_unref(tags);
  engineTags_ = merged;
}

// The end of the media, an error or a stop: the pipeline gives up its output
// and the next Play starts from the beginning.
void GstMediaControl::EndPlayback() {
  gst_element_set_state(playbin_, GST_STATE_READY);
  state_ = kPlayStateStopped;
}

// The file source opens what it is given inside the state change, on this
// thread, with a blocking open(): a FIFO would wait there for a writer and a
// device might never answer. So the file is opened here, once and without
// waiting, the descriptor is checked to be a regular file (links followed),
// and the engine and TagLib read the file through that descriptor: a FIFO put
// in the file's place after the check is never opened. The pipeline must
// hold no file of its own (stopped or unloaded) when this is called. False,
// keeping the descriptor held before, when the file is refused.
bool GstMediaControl::OpenMediaFile(const std::string& file) {
  const int fd = OpenRegularFileForReading(file);
  if (fd < 0) {
    return false;
  }
  const std::optional<std::string> uri = FileUri(DescriptorPath(fd));
  if (!uri) {
    ::close(fd);
    return false;
  }
  CloseMediaFile();
  mediaFd_ = fd;
  g_object_set(playbin_, "uri", uri->c_str(), nullptr);
  return true;
}

void GstMediaControl::CloseMediaFile() {
  if (mediaFd_ >= 0) {
    ::close(mediaFd_);
    mediaFd_ = -1;
  }
}

void GstMediaControl::Unload() {
  if (playbin_ != nullptr) {
    gst_element_set_state(playbin_, GST_STATE_NULL);
    GstBus* bus = gst_element_get_bus(playbin_);
    while (GstMessage* stale = gst_bus_pop(bus)) {
      gst_message_unref(stale);
    }
    gst_object_unref(bus);
  }
  CloseMediaFile();
  if (engineTags_ != nullptr) {
    gst_tag_list_unref(engineTags_);
    engineTags_ = nullptr;
  }
  mediaOpen_ = false;
  mediaPath_.clear();
  fileTags_.reset();
  state_ = kPlayStateStopped;
}

// Pauses on the first buffers, which decides at once whether the file plays.
bool GstMediaControl::Preroll() {
  return Changed(gst_element_set_state(playbin_, GST_STATE_PAUSED)) && WaitUntilSettled();
}

// Waits for a pending state change (a preroll, or the preroll after a
// flushing seek). An error does not always fail the state change, so the bus
// is watched between short waits.
bool GstMediaControl::WaitUntilSettled() {
  for (GstClockTime waited = 0; waited < kStateChangeTimeout; waited += kSettleSlice) {
    switch (gst_element_get_state(playbin_, nullptr, nullptr, kSettleSlice)) {
      case GST_STATE_CHANGE_SUCCESS:
      case GST_STATE_CHANGE_NO_PREROLL:
        return true;
      case GST_STATE_CHANGE_FAILURE:
        return false;
      default:
        if (DrainBus()) {
          return false;
        }
    }
  }
  return false;
}

void GstMediaControl::ApplyVolumeAndMute() {
  if (playbin_ != nullptr) {
    g_object_set(playbin_, "volume", volume_ / 100.0, "mute", muted_ ? TRUE : FALSE, nullptr);
  }
}

std::optional<double> GstMediaControl::QueryDurationSeconds() const {
  gint64 duration = 0;
  if (!gst_element_query_duration(playbin_, GST_FORMAT_TIME, &duration) || duration <= 0) {
    return std::nullopt;
  }
  return static_cast<double>(duration) / GST_SECOND;
}

const TrackTags& GstMediaControl::FileTags() {
  if (!fileTags_) {
    fileTags_ = ReadTaglibMediaInfo(mediaFd_, mediaPath_).value_or(TrackTags{});
  }
  return *fileTags_;
}

}  // namespace solvane
