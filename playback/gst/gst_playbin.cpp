#include "playback/gst/gst_playbin.h"

#include <cstdlib>
#include <string_view>

namespace solvane {

namespace {

bool IsPlainElementName(std::string_view description) {
  return description.find_first_of(" \t!=") == std::string_view::npos;
}

GstElement* MakeRealTimeSink(const char* factory) {
  GstElement* sink = gst_element_factory_make(factory, nullptr);
  if (sink != nullptr && g_object_class_find_property(G_OBJECT_GET_CLASS(sink), "sync") != nullptr) {
    g_object_set(sink, "sync", TRUE, nullptr);
  }
  return sink;
}

GstElement* ParseSinkBin(const char* description) {
  GError* error = nullptr;
  GstElement* bin = gst_parse_bin_from_description(description, TRUE, &error);
  if (error != nullptr) {
    g_error_free(error);
    if (bin != nullptr) {
      gst_object_unref(bin);
    }
    return nullptr;
  }
  return bin;
}

// aiffparse starts pushing from its always-present source pad before
// decodebin has linked it, which fails about every other AIFF preroll in
// GStreamer 1.22; libav's AIFF demuxer adds its pad when ready and does not.
void PreferLibavAiffDemuxer() {
  GstElementFactory* libav = gst_element_factory_find("avdemux_aiff");
  GstElementFactory* parser = gst_element_factory_find("aiffparse");
  if (libav != nullptr && parser != nullptr) {
    gst_plugin_feature_set_rank(GST_PLUGIN_FEATURE(libav), GST_RANK_PRIMARY);
    gst_plugin_feature_set_rank(GST_PLUGIN_FEATURE(parser), GST_RANK_NONE);
  }
  for (GstElementFactory* factory : {libav, parser}) {
    if (factory != nullptr) {
      gst_object_unref(factory);
    }
  }
}

}  // namespace

bool EnsureGstreamer() {
  static const bool initialised = [] {
    GError* error = nullptr;
    const bool ok = gst_init_check(nullptr, nullptr, &error) != FALSE;
    if (error != nullptr) {
      g_error_free(error);
    }
    if (ok) {
      PreferLibavAiffDemuxer();
    }
    return ok;
  }();
  return initialised;
}

GstElement* CreateAudioSinkFromEnvironment() {
  const char* description = std::getenv("SOLVANE_AUDIO_SINK");
  if (description == nullptr || *description == '\0') {
    return nullptr;
  }
  if (IsPlainElementName(description)) {
    return MakeRealTimeSink(description);
  }
  return ParseSinkBin(description);
}

GstElement* CreateAudioPlaybin() {
  if (!EnsureGstreamer()) {
    return nullptr;
  }
  GstElement* playbin = gst_element_factory_make("playbin", nullptr);
  if (playbin == nullptr) {
    return nullptr;
  }
  gst_object_ref_sink(playbin);
  // Without an explicit video sink, a video file would look for a display.
  if (GstElement* videoSink = gst_element_factory_make("fakesink", nullptr)) {
    g_object_set(playbin, "video-sink", videoSink, nullptr);
  }
  if (GstElement* audioSink = CreateAudioSinkFromEnvironment()) {
    g_object_set(playbin, "audio-sink", audioSink, nullptr);
  }
  gst_util_set_object_arg(G_OBJECT(playbin), "flags", "audio+soft-volume");
  return playbin;
}

}  // namespace solvane
