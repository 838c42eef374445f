#pragma once
// The records one paint reads, laid out for a screen mode, for the face tests.

#include <cstring>

#include "face/lyric_area.h"
#include "lyrics/lyric_state.h"
#include "lyrics/track_info.h"
#include "skin/screen_layout.h"
#include "skin/start_screen.h"
#include "tests/fakes/recording_canvas.h"

namespace solvane::testing {

inline ScreenLayout LayoutForMode(int mode) {
  ScreenLayout layout;
  SetScreenValues(layout, mode);
  ComputeFaceLayout(layout);
  return layout;
}

struct FaceRecords {
  explicit FaceRecords(int mode) : layout(LayoutForMode(mode)) {}

  LyricAreaSources Sources() const { return {layout, player, lyrics, trackInfo, startScreen}; }

  void SetLine(int slot, const char* text) {
    std::strncpy(lyrics.lineText[slot], text, kLyricTextField - 1);
  }

  ScreenLayout layout;
  PlayerState player;
  LyricState lyrics;
  TrackInfo trackInfo;
  StartScreenLines startScreen;
  RecordingCanvas canvas;
};

}  // namespace solvane::testing
