#include "face/face_changes.h"

#include <algorithm>
#include <cstring>

#include "face/face_overlays.h"
#include "face/text_rows.h"
#include "face/text_styles.h"
#include "face/time_text.h"

namespace solvane {

namespace {

template <std::size_t kSize>
void CopyField(std::array<char, kSize>& to, const char (&from)[kSize]) {
  std::memcpy(to.data(), from, kSize);
}

LyricAreaLook LyricAreaLookOf(const FaceFrame& frame) {
  const PlayerState& player = frame.player;
  const LyricState& lyrics = frame.lyrics;
  const TrackInfo& info = frame.trackInfo;
  LyricAreaLook look;
  look.trackLoaded = player.trackLoaded;
  look.playing = player.playing;
  look.paused = player.paused;
  look.lyricsPresent = player.lyricsPresent;
  look.trackChosen = player.trackChosen;
  look.startScreenKept = player.startScreenKept;
  look.currentTitle = player.currentTitle;
  look.headerShown = lyrics.headerShown;
  look.lineCount = lyrics.lineCount;
  CopyField(look.header[0], lyrics.title);
  CopyField(look.header[1], lyrics.artist);
  CopyField(look.header[2], lyrics.album);
  for (int slot = 0; slot < kLyricWindowSlots; ++slot) {
    CopyField(look.lineText[slot], lyrics.lineText[slot]);
  }
  look.trackInfo = {info.mediaTitle, info.mediaAuthor, info.mediaAlbum, info.mediaBitrate,
                    info.mediaEncodedBy};
  for (int row = 0; row < kStartScreenRows; ++row) {
    look.startScreen[row] = frame.startScreen.rows[row];
  }
  return look;
}

bool SameScreen(const ScreenLayout& a, const ScreenLayout& b) {
  return a.screenMode == b.screenMode && a.skinScale == b.skinScale &&
         a.screenWidth == b.screenWidth && a.screenHeight == b.screenHeight &&
         a.clientHeight == b.clientHeight && a.textAreaWidth == b.textAreaWidth &&
         a.lyricRows == b.lyricRows && a.lyricAreaBottom == b.lyricAreaBottom;
}

// The highlight is drawn only in the plain layout of the lyric rows.
bool ShowsHighlight(const FaceLook& look) {
  const LyricAreaLook& area = look.lyricArea;
  const bool running = area.playing != 0 || area.paused != 0;
  return area.trackLoaded != 0 && running && area.lyricsPresent != 0 && area.headerShown == 0;
}

// The reach of lyric row `row`, when the face has that row.
void AddLyricRow(std::vector<TextRect>& areas, const ScreenLayout& layout, int row) {
  if (row >= 0 && row < layout.lyricRows) {
    areas.push_back(TextReach(LyricRowRect(layout, row),
                              RowTextStyle(layout.skinScale).cellHeight));
  }
}

}  // namespace

FaceLook LookOf(const FaceFrame& frame) {
  const PlayerState& player = frame.player;
  FaceLook look;
  look.layout = frame.layout;
  look.faceImage = frame.bitmaps.faceImage.get();
  look.spriteSheet = frame.bitmaps.spriteSheet.get();
  if (frame.options.useBackgroundImage != 0) {
    look.backgroundImage = frame.bitmaps.backgroundImage.get();
  }
  look.overlays = {ShowsPauseSymbol(player), player.pressedControl, player.muted,
                   player.abActive,           player.abStage,        player.repeat,
                   player.shuffle,            player.playlistShown};
  look.volumeKnob = VolumeKnobArea(frame.layout, frame.volume);
  look.seekKnob = SeekKnobArea(frame.layout, player);
  look.positionText = FormatMinutesSeconds(player.playPosition);
  look.durationText = FormatMinutesSeconds(player.trackDuration);
  look.lyricArea = LyricAreaLookOf(frame);
  look.currentLine = frame.lyrics.currentLine;
  return look;
}

FaceChanges ChangedFaceAreas(const FaceLook& before, const FaceLook& after) {
  const bool sameLyricRows = before.lyricArea == after.lyricArea &&
                             (before.currentLine == after.currentLine ||
                              (ShowsHighlight(before) && ShowsHighlight(after)));
  if (!SameScreen(before.layout, after.layout) || before.faceImage != after.faceImage ||
      before.spriteSheet != after.spriteSheet ||
      before.backgroundImage != after.backgroundImage ||
      before.overlays != after.overlays || !sameLyricRows) {
    return {true, {}};
  }
  const ScreenLayout& layout = after.layout;
  FaceChanges changes;
  std::vector<TextRect>& areas = changes.areas;
  if (before.positionText != after.positionText || before.durationText != after.durationText) {
    areas.push_back(TimeTextArea(layout));
  }
  for (const auto knob : {&FaceLook::volumeKnob, &FaceLook::seekKnob}) {
    if (before.*knob != after.*knob) {
      areas.push_back(before.*knob);
      areas.push_back(after.*knob);
    }
  }
  if (before.currentLine != after.currentLine) {
    AddLyricRow(areas, layout, before.currentLine);
    AddLyricRow(areas, layout, after.currentLine);
  }
  const bool abBlinks = after.overlays.abActive != 0 && after.overlays.abStage == 1;
  if (abBlinks && !areas.empty()) {
    areas.push_back(AbIconArea(layout));
  }
  return changes;
}

}  // namespace solvane
