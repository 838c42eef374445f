#pragma once
// The records and fakes one playback test works on: a playlist of tracks in
// a temporary folder of its own (so lyric files can lie beside them), a
// scripted engine and a recording shell.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "base/wide_text.h"
#include "playback/playback_control.h"
#include "tests/fakes/fake_media_control.h"
#include "tests/fakes/made_folder.h"
#include "tests/fakes/playback_records.h"
#include "tests/fakes/recording_shell.h"

namespace solvane::testing {

class PlaybackTest : public ::testing::Test, public PlaybackRecords {
 protected:
  // The temporary folder as the program writes folders: UTF-16, ending in '/'.
  std::u16string Folder() const { return folder_.Wide(); }

  // Entries "track0.mp3", "track1.mp3", ... in the temporary folder.
  void AddEntries(int count) {
    for (int i = 0; i < count; ++i) {
      const int index = playlist->playlistCount++;
      WideCopy(playlist->folder[index], Folder());
      WideCopy(playlist->fileName[index], Wide("track" + std::to_string(i) + ".mp3"));
    }
  }

  std::u16string PathOf(int index) const {
    return std::u16string(WideView(playlist->folder[index])) +
           std::u16string(WideView(playlist->fileName[index]));
  }

  // Writes the lyric file that belongs to "<stem>.mp3".
  void WriteLyrics(std::string_view stem, std::string_view content) const {
    std::ofstream(folder_.Path() / (std::string(stem) + ".LRC"), std::ios::binary) << content;
  }

  std::u16string Title() const { return std::u16string(WideView(player.currentTitle)); }

  FakeMediaControl media;
  RecordingShell shell;
  PlaybackContext context = ContextWith(media, shell);

 private:
  MadeFolder folder_;
};

}  // namespace solvane::testing
