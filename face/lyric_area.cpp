#include "face/lyric_area.h"

#include "face/information_rows.h"
#include "face/lyric_rows.h"
#include "face/time_text.h"

namespace solvane {

namespace {

bool Running(const PlayerState& player) { return player.playing != 0 || player.paused != 0; }

bool ShowsLyricRows(const PlayerState& player) {
  return player.trackLoaded != 0 && Running(player) && player.lyricsPresent != 0;
}

}  // namespace

void DrawLyricArea(Canvas& canvas, const LyricAreaSources& sources) {
  const ScreenLayout& layout = sources.layout;
  const PlayerState& player = sources.player;
  const bool loaded = player.trackLoaded != 0;
  const bool running = Running(player);

  // A loaded track that is not playing shows its title; in a state where it
  // is paused without playing, that title stands over what was drawn before.
  if (ShowsLyricRows(player)) {
    DrawLyricRows(canvas, layout, sources.lyrics);
  } else if (loaded && running) {
    DrawTrackInformation(canvas, layout, sources.trackInfo, player);
  }
  if (loaded && player.playing == 0) {
    DrawCurrentTitle(canvas, layout, player);
  }
  if (!loaded) {
    if (ChooseLyricArea(player) == LyricAreaChoice::kStartScreen) {
      DrawStartScreen(canvas, layout, sources.startScreen);
    } else {
      DrawCurrentTitle(canvas, layout, player);
    }
  }

  DrawTimeText(canvas, layout, player);
}

}  // namespace solvane
