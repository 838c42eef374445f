#pragma once
// Files and folders opened from outside the browser (the command line, a
// later start, the desktop) over real folders a test makes, played by a
// scripted engine: the records they land in, the engine's calls and what
// the shell was told.

#include <QLocale>

#include <cstdint>
#include <string>
#include <vector>

#include "playlist/qt_name_order.h"
#include "tests/fakes/fake_media_control.h"
#include "tests/fakes/made_folder.h"
#include "tests/fakes/playback_records.h"
#include "tests/fakes/recording_shell.h"
#include "views/opened_files.h"

namespace solvane::testing {

class OpenedFilesRig {
 public:
  // Names with numbers list by their value, as the player lists them.
  OpenedFilesRig() { shell.listingOrder = &listingOrder; }

  bool Open(const std::vector<std::u16string>& paths, const KeepListing& keepListing = {}) {
    PlaybackContext playback = records.ContextWith(media, shell);
    return OpenFiles(playback, paths, keepListing);
  }

  // The playlist holds one entry, "/old/old.mp3".
  void AddOldEntry() {
    WideCopy(records.playlist->folder[0], u"/old/");
    WideCopy(records.playlist->fileName[0], u"old.mp3");
    records.playlist->playlistCount = 1;
  }

  // As a track that played a while and was paused leaves the records.
  void PausedOldTrack() {
    AddOldEntry();
    records.playlist->currentIndex = 0;
    records.player.trackLoaded = 1;
    records.player.playing = 1;
    records.player.paused = 1;
    records.player.trackDuration = 2400;
    records.player.playPosition = 1200;
    records.player.playSeconds = 120;
    WideCopy(records.player.currentTitle, u"old.mp3");
    WideCopy(records.trackInfo.mediaTitle, u"Old Title");
    WideCopy(records.player.positionTrack, u"/old/old.mp3");
  }

  // The playlist's entries as whole paths.
  std::vector<std::u16string> Entries() const {
    std::vector<std::u16string> paths;
    for (std::int32_t i = 0; i < records.playlist->playlistCount; ++i) {
      paths.push_back(std::u16string(WideView(records.playlist->folder[i])) +
                      std::u16string(WideView(records.playlist->fileName[i])));
    }
    return paths;
  }

  MadeFolder disk;
  PlaybackRecords records;
  FakeMediaControl media;
  RecordingShell shell;
  const CollatedNameOrder listingOrder{QLocale(QLocale::English)};
};

}  // namespace solvane::testing
