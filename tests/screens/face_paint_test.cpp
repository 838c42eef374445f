// The real main window under a real X server: after whatever happens to the
// player, asked for by a tick or a tap or not asked for at all (a focus-in, a
// raise), the window's pixels on the screen are those of a whole frame
// composed afresh from the same records. While A is marked the A-B icon shows
// whole or not at all after every paint.

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "app/input/command_ids.h"
#include "face/face_overlays.h"
#include "face/qt_canvas.h"
#include "tests/fakes/made_folder.h"
#include "tests/screens/screen_pixels.h"
#include "tests/screens/shown_window.h"

namespace solvane::testing {
namespace {

// A line a second from 0:01 on: the page turns every few seconds.
std::string LyricFile() {
  std::string text = "[ti:Paint]\n[ar:The Testers]\n";
  for (int second = 1; second < 60; ++second) {
    const std::string time = "[00:" + std::string(second < 10 ? "0" : "") +
                             std::to_string(second) + ".00]";
    text += time + "Line " + std::to_string(second) + " of the song, sung slowly\n";
  }
  return text;
}

// Counts the paints the window gets.
class PaintCounter final : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    paints += event->type() == QEvent::Paint ? 1 : 0;
    return false;
  }
  int paints = 0;
};

// The scenes below drive the fixture from outside, so all of it is public.
class FacePaintTest : public ::testing::TestWithParam<ScreenMode> {
 public:
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
        << "run under xvfb-run with QT_QPA_PLATFORM=xcb";
    music.File("lyrics.mp3");
    music.File("plain.mp3");
    music.File("broken.mp3");
    std::ofstream(music.Path() / "lyrics.lrc", std::ios::binary) << LyricFile();
  }

  void TearDown() override {
    shown.reset();
    Settle();
  }

  // A new window, shown, over an engine that knows the songs.
  void Open() {
    shown.reset();
    shown = std::make_unique<ShownWindow>(mode);
    ASSERT_TRUE(shown->started());
    shown->window().installEventFilter(&counter);
    shown->media().media = MediaItem{60.0,
                                     {{u"Title", u"Harbour Lights"},
                                      {u"Author", u"The Quay Singers"},
                                      {u"OptimalBitrate", u"192000"}}};
    shown->media().refusedUrls.push_back(music.Wide() + u"broken.mp3");
  }

  // Plays `name`, the only entry of the list, up to `seconds`.
  void PlayOnly(std::u16string_view name, int seconds) {
    shown->AddEntry(music.Wide(), name);
    shown->records().player.trackChosen = 1;
    shown->TapFace(86, 248);  // the play button
    ASSERT_EQ(shown->records().player.playing, 1);
    TickTo(seconds);
  }

  // One poll tick of the window with the engine at `seconds`, then the event
  // loop until it has nothing left to do.
  void TickTo(int seconds) {
    shown->media().position = seconds;
    shown->window().PollAndShow();
    Settle();
  }

  // Runs the events and paints that are due; paints ask for no further ones
  // unless the records changed, so a few passes empty the queue.
  static void Settle() {
    for (int pass = 0; pass < 4; ++pass) {
      QCoreApplication::sendPostedEvents();
      QCoreApplication::processEvents();
    }
  }

  QRect Face() const { return {0, 0, mode.width, mode.clientHeight}; }

  // The face as the screen shows it: read from the root window, where the
  // window stands.
  QImage OnScreen() {
    MainWindow& window = shown->window();
    const QPoint at = window.mapToGlobal(QPoint(0, 0));
    return window.screen()
        ->grabWindow(0, at.x(), at.y(), mode.width, mode.clientHeight)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }

  // A whole frame of the same records, composed on an image of its own with
  // fonts of its own, with the blink as the window's last paint left it.
  QImage WholeFrame() {
    QImage frame(Face().size(), QImage::Format_RGB32);
    frame.fill(Qt::black);
    QtFontCache fonts;
    QPainter painter(&frame);
    PaintFace(painter, shown->window().Frame(), fonts, QRegion(Face()));
    return frame;
  }

  // How many of the screen's pixels differ from a whole frame; -1 when the
  // two are not of one size.
  int DifferingPixels() {
    const QImage screen = OnScreen();
    const QImage whole = WholeFrame();
    if (screen.size() != whole.size()) {
      return -1;
    }
    int differing = 0;
    for (int y = 0; y < screen.height(); ++y) {
      for (int x = 0; x < screen.width(); ++x) {
        differing += screen.pixel(x, y) != whole.pixel(x, y) ? 1 : 0;
      }
    }
    return differing;
  }

  void ExpectScreenIsAWholeFrame(const std::string& when) {
    EXPECT_EQ(DifferingPixels(), 0) << when << ": pixels that differ from a whole frame";
  }

  // Whether the A-B icon stands whole on the screen; fails when it is
  // neither whole nor wholly absent.
  bool AbIconWhole(const std::string& when) {
    const QRect block = QRectOf(AbIconArea(shown->records().layout));
    const QImage screen = OnScreen();
    const bool whole =
        BlockDifference(screen, block.topLeft(), SpriteSheet(mode.scale),
                        QRect(QPoint(7 * mode.scale, 8 * mode.scale), block.size()))
            .empty();
    const bool absent = BlockDifference(screen, block.topLeft(), FaceBitmap(mode.scale),
                                        block.translated(0, mode.FaceImageRow(0)))
                            .empty();
    EXPECT_TRUE(whole || absent) << when << ": the A-B icon is torn";
    return whole;
  }

  const ScreenMode& mode = GetParam();
  MadeFolder music;
  PaintCounter counter;  // outlives the window it watches
  std::unique_ptr<ShownWindow> shown;
};

struct Scene {
  const char* name;
  std::function<void(FacePaintTest&)> happen;
};

TEST_P(FacePaintTest, TheScreenIsAWholeFrameOfTheRecordsAfterEveryChange) {
  const Scene scenes[] = {
      {"the end of the list with lyrics",
       [](FacePaintTest& t) {
         t.PlayOnly(u"lyrics.mp3", 7);
         t.shown->media().playState = kPlayStateStopped;
         t.TickTo(60);
       }},
      {"the end of the list with track information",
       [](FacePaintTest& t) {
         t.PlayOnly(u"plain.mp3", 7);
         t.shown->media().playState = kPlayStateStopped;
         t.TickTo(60);
       }},
      {"a file the engine refuses, taken while a song plays",
       [](FacePaintTest& t) {
         t.shown->AddEntry(t.music.Wide(), u"lyrics.mp3");
         t.shown->AddEntry(t.music.Wide(), u"broken.mp3");
         t.shown->records().player.trackChosen = 1;
         t.shown->TapFace(86, 248);
         t.TickTo(5);
         t.shown->PlayFromPlaylistView(1);
         Settle();
       }},
      {"a focus-in",
       [](FacePaintTest& t) {
         t.PlayOnly(u"lyrics.mp3", 5);
         t.shown->media().position = 6;
         t.shown->window().core().Tick();  // asks for its repaint from the event loop
         QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
         QCoreApplication::sendEvent(&t.shown->window(), &out);
         QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
         QCoreApplication::sendEvent(&t.shown->window(), &in);
         Settle();
       }},
      {"a raise by a second start",
       [](FacePaintTest& t) {
         t.PlayOnly(u"lyrics.mp3", 5);
         t.shown->media().position = 6;
         t.shown->window().core().Tick();
         t.shown->window().BringToFront();
         Settle();
       }},
      {"a seek",
       [](FacePaintTest& t) {
         t.PlayOnly(u"lyrics.mp3", 5);
         t.shown->TapFace(120, 224);  // three quarters along the seek bar
         t.TickTo(static_cast<int>(*t.shown->media().position));
       }},
      {"a page turn",
       [](FacePaintTest& t) {
         t.PlayOnly(u"lyrics.mp3", 2);
         const int firstPageLines = t.mode.lyricRows - 3;
         for (int second = 3; second <= firstPageLines + 2; ++second) {
           t.TickTo(second);
         }
       }},
      {"the window collapsed to its menu bar and given back",
       [](FacePaintTest& t) {
         t.PlayOnly(u"lyrics.mp3", 5);
         t.shown->window().core().Command(kCmdMinimize);
         Settle();
         t.shown->window().core().Command(kCmdMaximize);
         // Changing the keep-above flag maps the window anew, and the X
         // server answers with an expose of its own time: until the paint
         // that answers it, the screen shows the bare window. Nothing else
         // repaints here (the records stand still), so only a whole paint
         // of that expose can make the screen right.
         ASSERT_TRUE(QTest::qWaitForWindowExposed(&t.shown->window()));
         // (When it never does, the check after the scene says by how much.)
         static_cast<void>(QTest::qWaitFor([&t] { return t.DifferingPixels() == 0; }, 5000));
         Settle();
       }},
  };
  for (const Scene& scene : scenes) {
    SCOPED_TRACE(scene.name);
    Open();
    ASSERT_FALSE(HasFatalFailure());
    scene.happen(*this);
    ASSERT_FALSE(HasFatalFailure());
    ExpectScreenIsAWholeFrame(scene.name);
    shown.reset();
  }
}

TEST_P(FacePaintTest, WithAMarkedTheIconBlinksWholeWithThePaints) {
  Open();
  ASSERT_FALSE(HasFatalFailure());
  PlayOnly(u"lyrics.mp3", 3);
  shown->window().core().Command(kCmdMarkAB);
  ASSERT_EQ(shown->records().player.abStage, 1);
  Settle();
  int shownWhole = 0;
  for (int paint = 1; paint <= 5; ++paint) {
    const std::string when = "paint " + std::to_string(paint);
    const int before = counter.paints;
    TickTo(3 + paint);
    EXPECT_GT(counter.paints, before) << when;
    ExpectScreenIsAWholeFrame(when);
    shownWhole += AbIconWhole(when) ? 1 : 0;
  }
  // Each second's repaint takes the icon in and flips it.
  EXPECT_GE(shownWhole, 2);
  EXPECT_LE(shownWhole, 3);
}

INSTANTIATE_TEST_SUITE_P(TwoScreens, FacePaintTest,
                         ::testing::Values(kScreenModes[0], kScreenModes[3]),
                         [](const ::testing::TestParamInfo<ScreenMode>& screen) {
                           return "Screen" + screen.param.Name();
                         });

}  // namespace
}  // namespace solvane::testing
