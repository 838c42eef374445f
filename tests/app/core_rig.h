#pragma once
// The records and fakes one core test works on: a player record, a playlist
// on the heap, the scripted engine, a recording shell and window.

#include <memory>
#include <string>

#include "app/input/input_context.h"
#include "base/wide_text.h"
#include "lyrics/lyric_state.h"
#include "lyrics/track_info.h"
#include "playback/playback_control.h"
#include "base/browser_listing.h"
#include "base/playlist.h"
#include "tests/app/recording_window.h"
#include "tests/fakes/fake_media_control.h"
#include "tests/fakes/playback_records.h"
#include "tests/fakes/recording_shell.h"

namespace solvane::testing {

struct CoreRig : PlaybackRecords {
  FakeMediaControl media;
  RecordingShell shell;
  RecordingWindow window;
  WindowRect savedWindowRect;
  PlaybackContext playback = ContextWith(media, shell);

  InputContext Input(FaceScale face = FaceScale{2, true}) {
    return InputContext{playback, window, savedWindowRect, face};
  }

  // Appends an entry "/music/<name>" to the playlist.
  void AddEntry(const std::string& name) {
    const std::int32_t slot = playlist->playlistCount++;
    WideCopy(playlist->folder[slot], u"/music/");
    WideCopy(playlist->fileName[slot], Wide(name));
  }

  // Puts the rig in the state of a track that the engine is playing.
  void StartPlaying(const std::string& name = "one.mp3") {
    AddEntry(name);
    StartTrack(playback, playlist->playlistCount - 1);
  }
};

}  // namespace solvane::testing
