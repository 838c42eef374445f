#pragma once
// The real main window in one of the four screen modes, started over the
// scripted engine with a program folder of its own and shown offscreen, with
// the face coordinates of its mode and a way to take its picture.

#include <QImage>

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "app/window/qt_main_window.h"
#include "tests/app/qt_test_support.h"
#include "tests/fakes/fake_media_control.h"

namespace solvane::testing {

// A device screen and the layout values it must give.
struct ScreenMode {
  int width;
  int height;
  int scale;
  bool tall;
  int clientHeight;
  int lyricAreaBottom;
  int lyricRows;

  std::string Name() const { return std::to_string(width) + "x" + std::to_string(height); }

  // Face coordinates: base values of the 240 x 320 screen.
  int X(int base) const { return base * scale; }
  int Y(int base) const { return (base + (tall ? 80 : 0)) * scale; }
  // The bands of the two text grids, a row pitch high.
  int RowPitch() const { return 22 * scale; }
  int LyricRowTop(int row) const { return scale * (22 * row + 4); }
  int InformationRowTop(int row) const { return scale * 22 * row; }
  // The face image row drawn at client row `y`.
  int FaceImageRow(int y) const { return y + (tall ? 0 : 80 * scale); }
};

// Test names and messages show the mode by its size.
inline void PrintTo(const ScreenMode& mode, std::ostream* out) { *out << mode.Name(); }

inline constexpr ScreenMode kScreenModes[] = {
    {240, 320, 1, false, 268, 209, 9},
    {240, 400, 1, true, 348, 289, 12},
    {480, 640, 2, false, 536, 418, 9},
    {480, 800, 2, true, 696, 578, 12},
};

// The skin bitmaps of a scale, read straight from the artwork.
QImage FaceBitmap(int scale);
QImage SpriteSheet(int scale);

class ShownWindow {
 public:
  explicit ShownWindow(const ScreenMode& mode);
  ShownWindow(const ShownWindow&) = delete;
  ShownWindow& operator=(const ShownWindow&) = delete;
  ~ShownWindow();

  MainWindow& window() { return *window_; }
  AppRecords& records() { return window_->core().records(); }
  FakeMediaControl& media() { return media_; }
  bool started() const { return started_; }
  // Message boxes the window asked (none is shown; each is answered No).
  int messageBoxes() const { return messageBoxes_; }

  // Appends "<folder><name>" to the playlist.
  void AddEntry(std::u16string_view folder, std::u16string_view name);

  // Switches the playlist view on with the face's toggle and taps `row` twice:
  // the first tap marks it, the second plays it and switches the view off.
  // `row` must not be the current entry (that one is marked already).
  void PlayFromPlaylistView(int row);

  // Taps the face at base coordinates.
  void TapFace(int baseX, int baseY);

  // Runs the poll tick once for every whole second up to `seconds`, with the
  // engine reporting that position.
  void PlayUpTo(int seconds);

  // Saves the window as window_<mode>_<scene>.png in the screenshot folder and
  // returns its client area (the face without the menu bar) as RGB32.
  QImage Shoot(std::string_view scene);

 private:
  ScreenMode mode_;
  FakeMediaControl media_;
  ProgramFolder folder_;
  std::unique_ptr<MainWindow> window_;
  bool started_ = false;
  int messageBoxes_ = 0;
};

}  // namespace solvane::testing
