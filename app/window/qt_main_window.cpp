#include "app/window/qt_main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QWindow>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QProcess>

#include <utility>

#include "app/input/command_ids.h"
#include "app/window/device_screen.h"
#include "app/input/key_input.h"
#include "app/window/qt_application_icon.h"
#include "app/window/qt_menu_bar.h"
#include "face/qt_canvas.h"
#include "views/file_browser_dialog.h"
#include "views/playlist_view_widget.h"
#include "skin/dialogs/about_dialog.h"
#include "skin/dialogs/options_dialog.h"

namespace solvane {
namespace {

// How long the start-up waits at most for the window to be mapped before it
// goes on.
constexpr qint64 kShowWaitMs = 200;

void AskDesktopToBlankTheDisplay() {
  // Arguments as a list: nothing here goes through a shell. A desktop without
  // xset simply keeps its display on.
  QProcess::startDetached(QStringLiteral("xset"),
                          {QStringLiteral("dpms"), QStringLiteral("force"), QStringLiteral("off")});
}

int VirtualKeyFor(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Up:
      return kVirtualKeyUp;
    case Qt::Key_Down:
      return kVirtualKeyDown;
    default:
      return 0;
  }
}

}  // namespace

MainWindow::MainWindow(MediaControl& media, MainWindowSettings settings)
    : settings_(std::move(settings)),
      startScale_(SkinScaleFor(settings_.screen)),
      faceHeight_(FaceAreaHeight(settings_.screen, startScale_)),
      menuHeight_(MenuBarHeight(startScale_)),
      shell_(*this, settings_.programFolder,
             settings_.dataFolder.empty() ? settings_.programFolder : settings_.dataFolder,
             settings_.screen),
      core_(media, shell_, images_, *this) {
  setWindowTitle(QStringLiteral("Solvane"));
  setWindowIcon(ApplicationIcon());
  core_.playback().lyricDecoder = &lyricDecoder_;
  core_.playback().embeddedLyrics = &embeddedLyrics_;
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAcceptDrops(true);
  shell_.SetRepainter([this] { RepaintChangedParts(); });
  setFixedSize(settings_.screen.width, faceHeight_ + menuHeight_);

  menuBar_ = CreateMainMenuBar(this, menuHeight_, [this](int id) { core_.Command(id); });
  PlaceMenuBar(false);

  pollTimer_.setInterval(kPollTimerPeriodMs);
  connect(&pollTimer_, &QTimer::timeout, this, [this] { PollAndShow(); });
}

MainWindow::~MainWindow() {
  pollTimer_.stop();
  delete playlistView_;
  playlistView_ = nullptr;
  // A window destroyed without being closed still keeps the state of its run.
  core_.Shutdown();
}

bool MainWindow::Start() {
  // A termination signal handled inside a start-up message box has already
  // closed the window; the start then counts as given up.
  if (!core_.Start() || core_.records().lifecycle.shutDown) {
    return false;
  }
  pollTimer_.start();
  return true;
}

void MainWindow::BringToFront() {
  SetKeptAbove(false);
  showNormal();
  raise();
  activateWindow();
}

void MainWindow::ExitProgram() { core_.Command(kCmdExit); }

int MainWindow::Scale() const { return core_.face().scale; }

void MainWindow::PlaceMenuBar(bool collapsed) {
  menuBar_->setGeometry(0, collapsed ? 0 : faceHeight_, settings_.screen.width, menuHeight_);
}

void MainWindow::SetKeptAbove(bool above) {
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == above) {
    return;
  }
  const bool visible = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, above);
  if (visible) {
    show();  // changing the flag hides the window
  }
}

void MainWindow::ShowBeforeTrackStart() {
  if (!settings_.showBeforeTrackStart) {
    return;
  }
  show();
  // Until the window is mapped and painted, briefly; user input waits for
  // the start-up to end.
  QElapsedTimer waited;
  waited.start();
  while (!waited.hasExpired(kShowWaitMs) &&
         (windowHandle() == nullptr || !windowHandle()->isExposed())) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
  }
  repaint();
}

// --- dialogs ------------------------------------------------------------------

void MainWindow::ShowFileBrowser() {
  BrowserSession session{core_.playback(), *core_.records().browser, playlistView_};
  RunFileBrowser(this, session, Scale());
}

void MainWindow::ShowAboutDialog() { RunAboutDialog(this, Scale()); }

void MainWindow::ShowOptionsDialog() {
  AppRecords& records = core_.records();
  OptionsContext context{records.options, records.bitmaps, images_, settings_.programFolder};
  RunOptionsDialog(this, context, Scale());
  RepaintAll();  // the skin's images may have been read again in place
}

// --- placement ------------------------------------------------------------------

void MainWindow::StopPollTimer() { pollTimer_.stop(); }

void MainWindow::PollAndShow() {
  ticking_ = true;
  core_.Tick();
  ticking_ = false;
  // The tick has finished changing the records (the end of a list may halt
  // after its repaint was asked for), so what it changed is known now.
  AskForChangedParts();
}

void MainWindow::CloseMainWindow() { close(); }

void MainWindow::MinimizeMainWindow() { showMinimized(); }

WindowRect MainWindow::MainWindowRect() {
  const QRect area = geometry();
  return WindowRect{area.left(), area.top(), area.x() + area.width(), area.y() + area.height()};
}

void MainWindow::CollapseToMenuBar() {
  collapsed_ = true;
  setFixedSize(settings_.screen.width, menuHeight_);
  PlaceMenuBar(true);
  SetKeptAbove(true);
}

void MainWindow::RestoreWindow(const WindowRect& rect) {
  collapsed_ = false;
  SetKeptAbove(false);
  // The rectangle is the client area's, as MainWindowRect reads it, so the
  // window comes back exactly where it stood, title bar aside.
  setFixedSize(rect.right - rect.left, rect.bottom - rect.top);
  setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  PlaceMenuBar(false);
}

void MainWindow::TurnScreenOff() {
  if (settings_.turnScreenOff) {
    settings_.turnScreenOff();
  } else {
    AskDesktopToBlankTheDisplay();
  }
}

// --- playlist view ----------------------------------------------------------------

void MainWindow::CreatePlaylistView() {
  const ScreenLayout& layout = core_.records().layout;
  const PlaylistViewPlace place =
      PlaylistViewPlaceFor(layout.listWidth, layout.lyricAreaBottom, width());
  playlistView_ = CreatePlaylistViewWidget(this, core_.playback(), place, Scale(), [this] {
    DestroyPlaylistView();
    RepaintAll();
  });
}

void MainWindow::DestroyPlaylistView() {
  if (playlistView_ == nullptr) {
    return;
  }
  // The view may be in the middle of its own event handling.
  playlistView_->hide();
  playlistView_->deleteLater();
  playlistView_ = nullptr;
  setFocus();
}

PlaylistRows* MainWindow::PlaylistViewRows() { return playlistView_; }

// --- events -------------------------------------------------------------------------

FaceFrame MainWindow::Frame() {
  AppRecords& records = core_.records();
  return {records.layout,      records.bitmaps,          records.options,
          records.player,      records.lyrics,           records.trackInfo,
          records.startScreen, GetVolume(core_.media()), paintState_};
}

QRect MainWindow::FaceRect() {
  const ScreenLayout& layout = core_.records().layout;
  return {0, 0, layout.screenWidth, layout.clientHeight};
}

void MainWindow::RepaintChangedParts() {
  // A tick's requests are answered when the tick returns, without a pass of
  // the event loop of their own.
  if (ticking_ || std::exchange(changesQueued_, true)) {
    return;
  }
  QMetaObject::invokeMethod(
      this,
      [this] {
        changesQueued_ = false;
        AskForChangedParts();
      },
      Qt::QueuedConnection);
}

void MainWindow::RepaintAll() {
  askedLook_ = LookOf(Frame());
  update();
}

void MainWindow::AskForChangedParts() {
  FaceLook look = LookOf(Frame());
  const FaceChanges changes = ChangedFaceAreas(askedLook_, look);
  askedLook_ = std::move(look);
  if (changes.whole) {
    update(FaceRect());
    return;
  }
  for (const TextRect& area : changes.areas) {
    update(QRectOf(area));
  }
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (core_.records().layout.screenWidth <= 0) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  // Records changed since the last request are asked for now: this paint
  // draws them where it reaches, a further paint everywhere else.
  AskForChangedParts();
  // The blink flips when this paint draws the whole icon; a paint that
  // leaves the icon, or part of it, alone draws it as it stands.
  const QRect iconRect = QRectOf(AbIconArea(core_.records().layout));
  if ((event->region() & iconRect) == QRegion(iconRect)) {
    AdvanceAbBlink(core_.records().player, paintState_);
  }
  PaintFace(painter, Frame(), fonts_, event->region() & FaceRect());
  // A face laid out smaller than the window (a screen accepted as 240 x 320)
  // leaves the rest black.
  for (const QRect& rest : event->region() - FaceRect()) {
    painter.fillRect(rest, Qt::black);
  }
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const QPoint at = event->position().toPoint();
    core_.PenDown(at.x(), at.y());
  }
  event->accept();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  core_.PenMove(at.x(), at.y());
  event->accept();
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const QPoint at = event->position().toPoint();
    core_.PenUp(at.x(), at.y());
  }
  event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  core_.KeyDown(VirtualKeyFor(event->key()));
  event->accept();  // no key goes on to default handling
}

void MainWindow::closeEvent(QCloseEvent* event) {
  pollTimer_.stop();
  DestroyPlaylistView();
  core_.Shutdown();
  event->accept();
  // A close that comes while a start-up message box waits for its answer
  // (a termination signal, a logout) must not wait on that box: the box goes
  // away unanswered, the start is given up and Start() returns false. The
  // event loop's quit below cannot do it, as the program's own loop has not
  // begun yet.
  shell_.DismissOpenMessageBox();
  QCoreApplication::quit();
}

}  // namespace solvane
