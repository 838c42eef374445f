#include "app/window/qt_main_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

#include "app/input/command_ids.h"
#include "playlist/first_folder.h"
#include "views/playlist_view_widget.h"
#include "tests/app/qt_test_support.h"
#include "tests/fakes/fake_media_control.h"

namespace solvane::testing {
namespace {

const auto* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

class MainWindowTest : public ::testing::Test {
 protected:
  void Make(ScreenSize screen, bool withWideFace = true) {
    folder = std::make_unique<ProgramFolder>(withWideFace);
    window = std::make_unique<MainWindow>(
        media, MainWindowSettings{folder->Folder(), screen, [this] { ++screenOffs; }});
    window->shell().SetMessageBoxAnswerer(
        [this](std::u16string_view caption, std::u16string_view text, bool yesNo) {
          boxes.push_back(std::u16string(caption) + u"|" + std::u16string(text));
          return yesNo && answerYes;
        });
  }
  void StartShown(ScreenSize screen = {480, 800}) {
    Make(screen);
    ASSERT_TRUE(window->Start());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  QAction* MenuAction(int id) {
    for (QAction* popup : window->MenuBar()->actions()) {
      for (QAction* item : popup->menu()->actions()) {
        if (item->data().toInt() == id) {
          return item;
        }
      }
    }
    return nullptr;
  }
  void Click(int x, int y) { QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(x, y)); }
  AppRecords& Records() { return window->core().records(); }
  void AddEntry(const char16_t* name) {
    Playlist& playlist = *Records().playlist;
    WideCopy(playlist.folder[playlist.playlistCount], u"/music/");
    WideCopy(playlist.fileName[playlist.playlistCount], name);
    ++playlist.playlistCount;
  }

  FakeMediaControl media;
  std::unique_ptr<ProgramFolder> folder;
  std::unique_ptr<MainWindow> window;
  std::vector<std::u16string> boxes;
  bool answerYes = true;
  int screenOffs = 0;
};

TEST_F(MainWindowTest, StandsForTheDeviceScreenWithTheMenuBarAtTheBottom) {
  StartShown();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Solvane"));
  // The program's icon, at the sizes the desktop asks for.
  EXPECT_TRUE(window->windowIcon().availableSizes().contains(QSize(16, 16)));
  EXPECT_TRUE(window->windowIcon().availableSizes().contains(QSize(256, 256)));
  EXPECT_EQ(window->size(), QSize(480, 748));
  EXPECT_EQ(window->MenuBar()->geometry(), QRect(0, 696, 480, 52));
  EXPECT_TRUE(window->PollTimerActive());
  EXPECT_TRUE(boxes.empty());

  QStringList titles;
  for (QAction* popup : window->MenuBar()->actions()) {
    titles << popup->text();
  }
  EXPECT_EQ(titles, (QStringList{"File  ", "Play  ", "List  ", "Tool  "}));
  ASSERT_NE(MenuAction(kCmdScreenOff), nullptr);
  EXPECT_EQ(MenuAction(kCmdScreenOff)->text(), QStringLiteral("Screen off"));
  EXPECT_EQ(MenuAction(kCmdMarkAB)->text(), QStringLiteral("Mark A-B"));
}

TEST_F(MainWindowTest, ASmallScreenGetsTheSmallLayout) {
  StartShown({240, 320});
  EXPECT_EQ(window->size(), QSize(240, 294));
  EXPECT_EQ(window->MenuBar()->geometry(), QRect(0, 268, 240, 26));
  EXPECT_EQ(Records().layout.skinScale, 1);
}

TEST_F(MainWindowTest, PaintsTheFaceIntoTheClientArea) {
  StartShown();
  const QImage shot = window->grab().toImage();
  // The face image covers the client area: not the black of an empty frame.
  EXPECT_NE(shot.pixelColor(240, 650), QColor(Qt::black));
  EXPECT_NE(shot.pixelColor(10, 10), QColor(Qt::black));
}

// The window's pixels show the face as a picture of the window does, at first
// and after a change the window asked Qt to repaint.
TEST_F(MainWindowTest, TheWindowsPixelsShowTheFaceAsAPictureOfTheWindowDoes) {
  StartShown();
  const QRect face(0, 0, 480, 696);
  const auto onScreen = [this, &face] {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return window->screen()->grabWindow(window->winId()).toImage().copy(face).convertToFormat(
        QImage::Format_RGB32);
  };
  const auto pictured = [this, &face] {
    return window->grab().toImage().copy(face).convertToFormat(QImage::Format_RGB32);
  };
  const QImage first = onScreen();
  ASSERT_EQ(first.size(), face.size());
  EXPECT_EQ(first, pictured());
  QTest::keyClick(window.get(), Qt::Key_Up);  // the volume knob moves: a small repaint
  const QImage moved = onScreen();
  EXPECT_NE(moved, first);
  EXPECT_EQ(moved, pictured());
}

TEST_F(MainWindowTest, ThePlayButtonStartsTheChosenEntryAndTheTickFollowsIt) {
  StartShown();
  AddEntry(u"song.mp3");
  Records().player.trackChosen = 1;
  Click(172, 656);
  ASSERT_EQ(media.urls.size(), 1u);
  EXPECT_EQ(media.urls[0], u"/music/song.mp3");
  EXPECT_EQ(Records().player.playing, 1);

  const int before = window->shell().Invalidations();
  media.position = 3.4;
  window->core().Tick();
  EXPECT_EQ(Records().player.playPosition, 34);
  EXPECT_EQ(window->shell().Invalidations(), before + 1);

  Click(172, 656);
  EXPECT_EQ(Records().player.paused, 1);
}

TEST_F(MainWindowTest, ArrowKeysChangeTheVolumeAndRedraw) {
  StartShown();
  media.volume = 99;
  const int before = window->shell().Invalidations();
  QTest::keyClick(window.get(), Qt::Key_Up);
  QTest::keyClick(window.get(), Qt::Key_Up);
  QTest::keyClick(window.get(), Qt::Key_Left);
  EXPECT_EQ(media.volume, std::optional<std::int32_t>(100));
  EXPECT_EQ(window->shell().Invalidations(), before + 2);
}

TEST_F(MainWindowTest, DraggingTheVolumeKnobFollowsTheMouse) {
  StartShown();
  QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(362, 640));
  QTest::mouseMove(window.get(), QPoint(418, 640));
  QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(418, 640));
  EXPECT_EQ(media.volumePuts.back(), 50);
  EXPECT_EQ(Records().player.pressedControl, kPressedNone);
}

// The toggle's rule is the stylus's; here, the real view it makes and ends.
TEST_F(MainWindowTest, ThePlaylistToggleMakesAndEndsTheRealView) {
  StartShown();
  Click(440, 610);
  ASSERT_NE(window->PlaylistView(), nullptr);
  EXPECT_EQ(window->PlaylistView()->RowText(0), QStringLiteral("  No files in playlist "));
  EXPECT_EQ(window->PlaylistViewRows(), window->PlaylistView());
  Click(440, 610);
  EXPECT_EQ(window->PlaylistView(), nullptr);
}

// When to collapse and what to give back are the command table's; here, what
// the real window does with them.
TEST_F(MainWindowTest, MinimizeCollapsesToTheMenuBarAndMaximizeGivesTheWindowBack) {
  StartShown();
  window->setGeometry(30, 40, 480, 748);
  const QRect before = window->geometry();
  MenuAction(kCmdMinimize)->trigger();
  EXPECT_TRUE(window->CollapsedToMenuBar());
  EXPECT_EQ(window->size(), QSize(480, 52));
  EXPECT_EQ(window->MenuBar()->geometry().top(), 0);
  EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

  MenuAction(kCmdMaximize)->trigger();
  EXPECT_FALSE(window->CollapsedToMenuBar());
  EXPECT_EQ(window->geometry(), before);
  EXPECT_EQ(window->MenuBar()->geometry().top(), 696);
  EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

// The menu bar lies along the bottom of the device screen: its menus open
// upwards, inside the window, at every screen size.
TEST_F(MainWindowTest, MenusOpenUpwardsInsideTheWindow) {
  for (const ScreenSize screen : {ScreenSize{240, 320}, ScreenSize{480, 640}}) {
    StartShown(screen);
    window->move(20, 10);
    QMenuBar* bar = window->MenuBar();
    for (QAction* popup : bar->actions()) {
      QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(popup).center());
      QMenu* menu = popup->menu();
      ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000))
          << popup->text().toStdString();
      const QRect opened = menu->geometry();
      const QRect inside(window->mapToGlobal(QPoint(0, 0)), window->size());
      EXPECT_LE(opened.bottom(), bar->mapToGlobal(QPoint(0, 0)).y() - 1)
          << screen.width << " " << popup->text().toStdString();
      EXPECT_TRUE(inside.contains(opened)) << screen.width << " " << popup->text().toStdString();
      menu->close();
    }
  }
}

// A termination signal (or a logout) while a real start-up box waits for its
// answer takes the exit path once: the box goes away unanswered, the start is
// given up and the state of the run is saved.
TEST_F(MainWindowTest, ExitingWhileAStartUpBoxIsOpenClosesTheBoxAndGivesUpTheStart) {
  const struct {
    ScreenSize screen;
    bool wideFace;
    QMessageBox::Icon icon;
  } cases[] = {{{300, 300}, true, QMessageBox::Warning},    // unsupported screen
               {{480, 800}, false, QMessageBox::Critical}};  // the wide face is missing
  for (const auto& startUp : cases) {
    Make(startUp.screen, startUp.wideFace);
    window->shell().SetMessageBoxAnswerer(nullptr);  // the real box this time
    QMessageBox::Icon shown = QMessageBox::NoIcon;
    QTimer::singleShot(50, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        shown = box->icon();
      }
      window->ExitProgram();
    });
    // Nothing here waits on a person: a box that outlives the exit is closed
    // by this guard, and the test fails.
    bool leftOpen = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&leftOpen] {
      if (QWidget* box = QApplication::activeModalWidget()) {
        leftOpen = true;
        box->close();
      }
    });
    guard.start(5000);

    EXPECT_FALSE(window->Start());
    guard.stop();
    EXPECT_FALSE(leftOpen) << startUp.screen.width;
    EXPECT_EQ(shown, startUp.icon);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(window->PollTimerActive());
    const QByteArray saved = folder->ReadStateFile();
    ASSERT_EQ(saved.size(), 600) << startUp.screen.width;
    EXPECT_EQ(static_cast<int>(saved[556]), 0);  // the warning was never accepted
    window.reset();
    EXPECT_EQ(media.CallCount("close"), 1) << startUp.screen.width;  // the shutdown ran once
    media.calls.clear();
  }
}

TEST_F(MainWindowTest, BringingToFrontDropsTheKeepAboveFlag) {
  StartShown();
  MenuAction(kCmdMinimize)->trigger();
  window->BringToFront();
  EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(window->isVisible());
}

// Closes whatever modal dialog opens next, once the event loop runs it.
void CloseNextModalDialog(QString* title) {
  QTimer::singleShot(0, [title] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      *title = dialog->metaObject()->className();
      dialog->close();
    }
  });
}

// The full-screen dialogs cover the window exactly, whatever their contents
// would like, at the four screens and at screens laid out as the smallest.
TEST_F(MainWindowTest, FullScreenDialogsCoverTheWindowExactlyAtEveryScreenSize) {
  const ScreenSize screens[] = {{240, 320}, {240, 400}, {480, 640}, {480, 800},
                                {300, 300}, {200, 200}, {640, 480}};
  for (const ScreenSize screen : screens) {
    StartShown(screen);
    window->move(20, 10);
    const QRect covered(window->mapToGlobal(QPoint(0, 0)), window->size());
    for (int id : {kCmdOpenFiles, kCmdAbout, kCmdOptions}) {
      QRect dialogArea;
      QTimer::singleShot(0, [&dialogArea] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
          dialogArea = dialog->geometry();
          dialog->close();
        }
      });
      MenuAction(id)->trigger();
      EXPECT_EQ(dialogArea, covered) << screen.width << "x" << screen.height << " command " << id;
    }
  }
}

TEST_F(MainWindowTest, TheMenusOpenTheBrowserAndTheDialogsModally) {
  StartShown();
  Records().player.addMode = 1;
  QString opened;
  CloseNextModalDialog(&opened);
  MenuAction(kCmdOpenFiles)->trigger();
  EXPECT_FALSE(opened.isEmpty());
  EXPECT_EQ(Records().player.addMode, 0);
  // The first opening lists the user's music folder (or home, or the root).
  EXPECT_EQ(WideView(Records().browser->browserFolder),
            FirstBrowserFolder(window->shell().MusicFolder(), ProcessEnvironment));

  for (int id : {kCmdAbout, kCmdOptions, kCmdAddFiles}) {
    opened.clear();
    CloseNextModalDialog(&opened);
    MenuAction(id)->trigger();
    EXPECT_FALSE(opened.isEmpty()) << id;
  }
  EXPECT_EQ(Records().player.addMode, 1);
  EXPECT_TRUE(window->PollTimerActive());
}

TEST_F(MainWindowTest, ScreenOffAsksTheDesktop) {
  StartShown();
  MenuAction(kCmdScreenOff)->trigger();
  EXPECT_EQ(screenOffs, 1);
}

TEST_F(MainWindowTest, ExitStopsTheTickAndSavesTheStateOnce) {
  StartShown();
  media.volume = 55;
  MenuAction(kCmdExit)->trigger();
  EXPECT_FALSE(window->PollTimerActive());
  EXPECT_FALSE(window->isVisible());
  const QByteArray saved = folder->ReadStateFile();
  ASSERT_EQ(saved.size(), 600);
  EXPECT_EQ(saved.left(4), QByteArray("SV_P"));
  EXPECT_EQ(static_cast<int>(saved[8]), 55);
  EXPECT_EQ(media.CallCount("close"), 1);

  // Nothing is saved again, neither by a second close nor by the destructor.
  QFile::remove(folder->Path("solvane.dat"));
  window->close();
  window.reset();
  EXPECT_FALSE(folder->HasStateFile());
  EXPECT_EQ(media.CallCount("close"), 1);
}

TEST_F(MainWindowTest, TheDesktopCloseButtonTakesTheExitPath) {
  StartShown();
  window->close();
  EXPECT_FALSE(window->PollTimerActive());
  EXPECT_TRUE(folder->HasStateFile());
}

TEST_F(MainWindowTest, AStateFileRestoresAChosenEntryBehindTheStartScreen) {
  StartShown();
  AddEntry(u"kept.mp3");
  window->close();
  window.reset();

  window = std::make_unique<MainWindow>(media, MainWindowSettings{folder->Folder(), {480, 800}, {}});
  ASSERT_TRUE(window->Start());
  EXPECT_EQ(Records().playlist->playlistCount, 1);
  EXPECT_EQ(Records().player.trackChosen, 1);
  EXPECT_EQ(Records().player.startScreenKept, 1);
  EXPECT_EQ(Records().options.firstStartDone, 1);
}

TEST_F(MainWindowTest, RefusingAnUnsupportedScreenAbandonsTheStartAndSavesTheState) {
  answerYes = false;
  Make({320, 240});
  EXPECT_FALSE(window->Start());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].substr(0, 16), u"Solvane Warning|");
  EXPECT_FALSE(window->PollTimerActive());
  const QByteArray saved = folder->ReadStateFile();
  ASSERT_EQ(saved.size(), 600);
  EXPECT_EQ(static_cast<int>(saved[556]), 0);  // firstStartDone stays clear
}

TEST_F(MainWindowTest, AcceptingAnUnsupportedScreenLaysTheFaceOutAs240x320) {
  Make({320, 240});
  EXPECT_TRUE(window->Start());
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(Records().layout.screenWidth, 240);
  EXPECT_EQ(Records().layout.screenHeight, 320);
}

TEST_F(MainWindowTest, AMissingWideFaceEndsTheStartWithAnError) {
  Make({480, 640}, false);
  EXPECT_FALSE(window->Start());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].substr(0, 14), u"Solvane Error|");
}

}  // namespace
}  // namespace solvane::testing

namespace solvane::testing {
namespace {

// Files and folders dropped on the window join the playlist as "Add Files"
// adds them; nothing starts and what is not a local file is not taken.
TEST_F(MainWindowTest, DroppedFilesAndFoldersAreAddedToThePlaylist) {
  StartShown();
  AddEntry(u"kept.mp3");
  QTemporaryDir music;
  ASSERT_TRUE(QDir(music.path()).mkdir(QStringLiteral("Album")));
  for (const char* name : {"Album/2 Two.mp3", "Album/10 Ten.mp3", "loose.wav"}) {
    QFile file(music.filePath(QString::fromUtf8(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  const std::size_t startsBefore = media.urls.size();

  QMimeData remote;
  remote.setUrls({QUrl(QStringLiteral("https://example.org/song.mp3"))});
  QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &remote, Qt::LeftButton, Qt::NoModifier);
  refused.setAccepted(false);
  QCoreApplication::sendEvent(window.get(), &refused);
  EXPECT_FALSE(refused.isAccepted());

  QMimeData dropped;
  dropped.setUrls({QUrl::fromLocalFile(music.filePath(QStringLiteral("Album"))),
                   QUrl::fromLocalFile(music.filePath(QStringLiteral("loose.wav")))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  enter.setAccepted(false);
  QCoreApplication::sendEvent(window.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window.get(), &drop);

  const Playlist& playlist = *Records().playlist;
  ASSERT_EQ(playlist.playlistCount, 4);
  const std::u16string album = music.filePath(QStringLiteral("Album/")).toStdU16String();
  EXPECT_EQ(std::u16string(WideView(playlist.folder[1])) + std::u16string(WideView(playlist.fileName[1])),
            album + u"2 Two.mp3");
  EXPECT_EQ(std::u16string(WideView(playlist.fileName[2])), u"10 Ten.mp3");
  EXPECT_EQ(std::u16string(WideView(playlist.fileName[3])), u"loose.wav");
  EXPECT_EQ(media.urls.size(), startsBefore);
}

// With the view showing 30 entries, files from outside replace the playlist
// (the desktop's OpenUri) or join it (a later start's, then shown): the view
// lists what the playlist holds, so a tap on a row plays the file it names.
TEST_F(MainWindowTest, ThePlaylistViewFollowsFilesFromOutside) {
  StartShown();
  for (int i = 0; i < 30; ++i) {
    AddEntry(Wide("a" + std::to_string(i) + ".mp3").c_str());
  }
  Click(440, 610);
  ASSERT_NE(window->PlaylistView(), nullptr);
  ASSERT_EQ(window->PlaylistView()->RowCount(), 30);

  QTemporaryDir music;
  std::vector<std::u16string> paths;
  for (const char* name : {"b0.flac", "b1.ogg", "b2.opus"}) {
    QFile file(music.filePath(QString::fromUtf8(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    paths.push_back(music.filePath(QString::fromUtf8(name)).toStdU16String());
  }
  window->OpenFilesFromOutside(paths);
  ASSERT_EQ(window->PlaylistView()->RowCount(), 3);
  EXPECT_EQ(window->PlaylistView()->RowText(1), QStringLiteral("b1.ogg"));
  EXPECT_EQ(window->PlaylistView()->MarkedRow(), 0);

  AddEntry(u"c.mp3");  // as a later start's file joins
  window->ShowPlaylistChange();
  ASSERT_EQ(window->PlaylistView()->RowCount(), 4);
  EXPECT_EQ(window->PlaylistView()->RowText(3), QStringLiteral("c.mp3"));

  PlaylistViewWidget* view = window->PlaylistView();
  const QPoint row = view->visualItemRect(view->topLevelItem(1)).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row);  // the play tap closes the view
  ASSERT_TRUE(QTest::qWaitFor([this] { return window->PlaylistView() == nullptr; }));
  EXPECT_EQ(media.urls.back(), paths[1]);
}

}  // namespace
}  // namespace solvane::testing
