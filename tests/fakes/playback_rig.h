#pragma once
// The records and fakes one playback test works on: a player record, a
// playlist on the heap, the scripted engine and a recording shell.

#include <string>

#include "base/wide_text.h"
#include "playback/playback_control.h"
#include "tests/fakes/fake_media_control.h"
#include "tests/fakes/playback_records.h"
#include "tests/fakes/recording_shell.h"

namespace solvane::testing {

struct PlaybackRig : PlaybackRecords {
  FakeMediaControl media;
  RecordingShell shell;
  PlaybackContext playback = ContextWith(media, shell);

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
