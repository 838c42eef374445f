#pragma once
// The main window: it stands for the handheld's whole screen. The face is
// drawn in its upper part, the menu bar lies along its bottom, a 100 ms timer
// runs the poll tick, and every mouse, key and menu event goes to the
// application core. It also carries out what the core asks of a window.

#include <QTimer>
#include <QWidget>

#include <functional>
#include <span>
#include <string>

#include "app/app_core.h"
#include "app/window/qt_shell.h"
#include "app/input/window_actions.h"
#include "face/compose_frame.h"
#include "face/face_changes.h"
#include "face/face_overlays.h"
#include "face/qt_fonts.h"
#include "lyrics/icu_legacy_decoder.h"
#include "playlist/folder_entries.h"
#include "playback/gst/taglib_embedded_lyrics.h"
#include "skin/qt_skin_images.h"

class QMenuBar;

namespace solvane {

class PlaylistViewWidget;

struct MainWindowSettings {
  std::u16string programFolder;  // the user's files; ends with '/'
  ScreenSize screen;             // the device screen the window stands for
  // Blanks the display; the default asks the desktop to.
  std::function<void()> turnScreenOff;
  // Whether the window shows itself during the start-up, before a last file
  // starts, instead of waiting for the caller's show().
  bool showBeforeTrackStart = false;
  // Where "wvrc.sv" is read from, ending with '/'; empty: the program folder.
  std::u16string dataFolder = {};
  // Asked while folders dropped or opened from outside are listed: false
  // stops the listing (the program is ending). Empty: never stopped.
  KeepListing keepListing = {};
};

class MainWindow final : public QWidget, public WindowActions {
 public:
  MainWindow(MediaControl& media, MainWindowSettings settings);
  ~MainWindow() override;

  // The start-up initialisation; on success the poll timer runs. False when
  // the start was abandoned or the window was closed meanwhile: the shutdown
  // has then run and the window must not be shown.
  bool Start();

  // A second start of the program asks for this window: shown in its normal
  // state, raised and active, no longer kept above other windows.
  void BringToFront();

  // Asks Qt to repaint the parts of the face that changed since the last
  // request, once the records are done changing: from the event loop, after
  // the event that asked has been handled. RepaintAll asks for all of it.
  void RepaintChangedParts();
  void RepaintAll();

  // Files and folders from outside (the desktop's OpenUri) opened as the
  // command line's are, and shown (qt_window_drops.cpp).
  void OpenFilesFromOutside(std::span<const std::u16string> paths);
  // After the playlist changed other than through the window (files handed
  // over by a later start): the playlist view, when shown, lists it afresh,
  // and the whole face is repainted.
  void ShowPlaylistChange();

  // The path every way of ending takes: the menu's Exit, the desktop's close
  // button and the termination signals.
  void ExitProgram();

  // One poll tick, run by the poll timer: the records move on, and Qt is
  // asked to repaint what they changed.
  void PollAndShow();

  // The frame the next paint composes, with the blink toggle as the last
  // paint left it.
  FaceFrame Frame();

  AppCore& core() { return core_; }
  QtShell& shell() { return shell_; }
  bool PollTimerActive() const { return pollTimer_.isActive(); }
  // The 100 ms tick; whatever follows the records connects to its timeout.
  QTimer& PollTimer() { return pollTimer_; }
  bool CollapsedToMenuBar() const { return collapsed_; }
  PlaylistViewWidget* PlaylistView() const { return playlistView_; }
  QMenuBar* MenuBar() const { return menuBar_; }
  int FaceHeight() const { return faceHeight_; }

  // WindowActions
  void ShowBeforeTrackStart() override;
  void ShowFileBrowser() override;
  void ShowAboutDialog() override;
  void ShowOptionsDialog() override;
  void StopPollTimer() override;
  void CloseMainWindow() override;
  void MinimizeMainWindow() override;
  WindowRect MainWindowRect() override;
  void CollapseToMenuBar() override;
  void RestoreWindow(const WindowRect& rect) override;
  void TurnScreenOff() override;
  void CreatePlaylistView() override;
  void DestroyPlaylistView() override;
  PlaylistRows* PlaylistViewRows() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // Files and folders dropped on the window are added as "Add Files" adds
  // them (qt_window_drops.cpp).
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void PlaceMenuBar(bool collapsed);
  // Compares what the face shows now with the last look asked for and asks
  // Qt to repaint where they differ.
  void AskForChangedParts();
  QRect FaceRect();
  void SetKeptAbove(bool above);
  int Scale() const;

  MainWindowSettings settings_;
  int startScale_;
  int faceHeight_;
  int menuHeight_;
  QtShell shell_;
  QtSkinImages images_;
  IcuLegacyDecoder lyricDecoder_;
  TaglibEmbeddedLyrics embeddedLyrics_;
  AppCore core_;
  QTimer pollTimer_;
  QMenuBar* menuBar_ = nullptr;
  PlaylistViewWidget* playlistView_ = nullptr;
  QtFontCache fonts_;
  FacePaintState paintState_;  // as the last paint left it
  FaceLook askedLook_;         // what the face shows once the paints asked for have run
  bool changesQueued_ = false;
  bool ticking_ = false;  // PollAndShow runs the tick
  bool collapsed_ = false;
};

}  // namespace solvane
