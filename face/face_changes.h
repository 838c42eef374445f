#pragma once
// What the face shows, taken from the records after a tick or a command has
// changed them, and where two such looks differ: the parts of the face to
// paint again. The play time, a knob or the highlight moving within its page
// change their own small areas; anything else (a page turn, another track,
// a flag's icon, a new screen) changes the whole face. The clock's tick, the
// repaint of nearly every second, then costs 0.43 block copies of the
// 480 x 800 frame against 7.5 for the whole frame (paint_bench).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "face/canvas.h"
#include "face/compose_frame.h"

namespace solvane {

// The records of the lyric area, copied: the text it shows follows from them.
struct LyricAreaLook {
  std::int32_t trackLoaded = 0;
  std::int32_t playing = 0;
  std::int32_t paused = 0;
  std::int32_t lyricsPresent = 0;
  std::int32_t trackChosen = 0;
  std::int32_t startScreenKept = 0;
  std::u16string currentTitle;
  std::int32_t headerShown = 0;
  std::int32_t lineCount = 0;
  std::array<std::array<char, kLyricTextField>, 3> header{};  // title, artist, album
  std::array<std::array<char, kLyricTextField>, kLyricWindowSlots> lineText{};
  std::array<std::u16string, 5> trackInfo;
  std::array<std::u16string, kStartScreenRows> startScreen;
  friend bool operator==(const LyricAreaLook&, const LyricAreaLook&) = default;
};

// The overlays other than the knobs.
struct OverlayLook {
  bool pauseSymbol = false;
  std::int32_t pressedControl = 0;
  std::int32_t muted = 0;
  std::int32_t abActive = 0;
  std::int32_t abStage = 0;
  std::int32_t repeat = 0;
  std::int32_t shuffle = 0;
  std::int32_t playlistShown = 0;
  friend bool operator==(const OverlayLook&, const OverlayLook&) = default;
};

struct FaceLook {
  ScreenLayout layout;
  const Bitmap* faceImage = nullptr;
  const Bitmap* spriteSheet = nullptr;
  const Bitmap* backgroundImage = nullptr;  // null while none is shown
  OverlayLook overlays;
  TextRect volumeKnob;
  TextRect seekKnob;
  std::u16string positionText;
  std::u16string durationText;
  LyricAreaLook lyricArea;
  std::int32_t currentLine = 0;
};

FaceLook LookOf(const FaceFrame& frame);

struct FaceChanges {
  bool whole = false;           // the whole face, areas aside
  std::vector<TextRect> areas;  // else these, possibly none
};

// Where a face drawn from `before` differs from one drawn from `after`.
// While the A-B icon blinks, any repaint takes in the icon, so it blinks
// with the repaints.
FaceChanges ChangedFaceAreas(const FaceLook& before, const FaceLook& after);

}  // namespace solvane
