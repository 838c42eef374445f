#pragma once
// What the input handling asks of the main window beyond the shared shell:
// dialogs, window placement, the playlist view and the display. The Qt main
// window implements it; tests record the calls.

#include <cstdint>

#include "playlist/playlist_rows.h"

namespace solvane {

// A window's rectangle in screen coordinates. A bottom of 0 means that no
// rectangle is remembered.
struct WindowRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

class WindowActions {
 public:
  virtual ~WindowActions() = default;

  // Modal dialogs owned by the main window. The file browser reads addMode.
  // Shows the main window and lets it map and paint, during the start-up;
  // nothing where the window is shown only after the start-up.
  virtual void ShowBeforeTrackStart() {}
  virtual void ShowFileBrowser() = 0;
  virtual void ShowAboutDialog() = 0;
  virtual void ShowOptionsDialog() = 0;

  virtual void StopPollTimer() = 0;
  // Closes the main window; its destruction handling runs from there.
  virtual void CloseMainWindow() = 0;

  // "Hide": the desktop's minimize.
  virtual void MinimizeMainWindow() = 0;
  virtual WindowRect MainWindowRect() = 0;
  // Shrinks the window to its menu bar and keeps it above other windows.
  virtual void CollapseToMenuBar() = 0;
  // Gives the window `rect` back and drops the keep-above flag.
  virtual void RestoreWindow(const WindowRect& rect) = 0;

  // Asks the desktop to blank the display; failures are ignored.
  virtual void TurnScreenOff() = 0;

  virtual void CreatePlaylistView() = 0;
  virtual void DestroyPlaylistView() = 0;
  // The row updates of the playlist view; null while there is no view.
  virtual PlaylistRows* PlaylistViewRows() = 0;
};

}  // namespace solvane
