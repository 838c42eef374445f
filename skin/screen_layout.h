#pragma once
// The screen values and face rows that everything drawn on or tapped on the
// face is placed by. Computed once at start-up; later changes of the screen's
// size or orientation do not reach them.

namespace solvane {

// Screen modes: 1 = 240 x 320, 2 = 240 x 400, 3 = 480 x 640, 4 = 480 x 800.
// Modes 2 and 4 are the tall screens.
inline constexpr int kScreenModeUnsupported = 0;
inline constexpr int kScreenMode240x320 = 1;
inline constexpr int kScreenMode240x400 = 2;
inline constexpr int kScreenMode480x640 = 3;
inline constexpr int kScreenMode480x800 = 4;

// Text line height at skin scale 1.
inline constexpr int kLineHeight = 20;

// Rows of the face in client coordinates, named after what is drawn there or
// which stylus band they bound. Each is base x skin scale, plus 80 x skin scale
// on the tall screens.
struct FaceRows {
  int repeatIconRow = 0;
  int shuffleIconRow = 0;
  int playlistIconRow = 0;
  int abIconRow = 0;
  int iconBandTop = 0;
  int seekBandTop = 0;
  int seekBandBottom = 0;
  int iconBandBottom = 0;
  int buttonBandTop = 0;
  int volumeBandTop = 0;
  int pauseSymbolRow = 0;
  int pressedPlayRow = 0;
  int pressedOpenRow = 0;
  int muteIconRow = 0;
  int pressedPreviousRow = 0;
  int pressedStopRow = 0;
  int pressedNextRow = 0;
  int volumeBandBottom = 0;
  int buttonBandBottom = 0;
};

struct ScreenLayout {
  int screenMode = kScreenModeUnsupported;
  int skinScale = 1;
  bool doubleSize = false;      // skin scale 2: large icons in the file browser
  int screenWidth = 0;          // the size the layout is for (240 x 320 when
  int screenHeight = 0;         // the real one is not supported)
  int textAreaWidth = 0;        // right edge of the text rectangle
  int clientHeight = 0;         // bottom edge of the text rectangle
  int listWidth = 0;            // width of the playlist view
  int lyricAreaBottom = 0;      // playlist view height, background image limit
  int lyricRows = 0;            // 9 on short screens, 12 on tall ones
  int lineHeight = kLineHeight;
  FaceRows faceRows;
};

// The mode for a screen of width x height pixels; kScreenModeUnsupported for
// any other size, a landscape screen included.
int ScreenModeFor(int width, int height);

bool IsTallScreen(int screenMode);

// Sets the mode, the skin scale, the double-size flag and every screen value
// derived from them, for a supported mode (1 to 4).
void SetScreenValues(ScreenLayout& layout, int screenMode);

// A face row in use for a base value given for the 240 x 320 screen.
int FaceRowFor(const ScreenLayout& layout, int base);

// Fills the face rows from the skin scale and the screen mode.
void ComputeFaceLayout(ScreenLayout& layout);

}  // namespace solvane
