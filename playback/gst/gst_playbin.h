#pragma once
// Builds the one pipeline the engine plays through: a playbin that plays
// sound only (video files give their sound), with software volume.

#include <gst/gst.h>

namespace solvane {

// Initialises GStreamer the first time it is called; false when it cannot be.
bool EnsureGstreamer();

// The audio output named by SOLVANE_AUDIO_SINK; null when it is not set or
// cannot be built, so that playbin picks the desktop's output. A plain element
// name ("fakesink", "pulsesink") makes that element and, for a sink, lets it
// run in real time (sync on); anything longer is taken as a pipeline
// description ("audioconvert ! fakesink sync=true") and used as written.
GstElement* CreateAudioSinkFromEnvironment();

// A new audio-only playbin, owned by the caller (unref it); null on failure.
GstElement* CreateAudioPlaybin();

}  // namespace solvane
