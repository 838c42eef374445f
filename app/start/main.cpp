// The player's entry: the registration switches, the single-instance rule, the
// main window and its event loop.

#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QStringList>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/start/command_line.h"
#include "app/window/device_screen.h"
#include "app/instance/forwarded_files.h"
#include "app/start/program_folders.h"
#include "app/start/qt_engine.h"
#include "app/start/qt_exit_signals.h"
#include "app/window/qt_main_window.h"
#include "app/instance/qt_handover.h"
#include "app/desktop/qt_mpris.h"
#include "app/desktop/qt_session_bus.h"
#include "app/instance/qt_single_instance.h"
#include "face/qt_fonts.h"
#include "views/outside_paths.h"

namespace {

// How long a start tries to reach a player that holds the lock.
constexpr int kClaimDeadlineMs = 20000;
// How long the start waits for the session bus to answer a connection.
constexpr std::chrono::milliseconds kBusAnswerLimit{2500};

// The folder of the program's own executable, links resolved, ending with '/'.
std::u16string ProgramFolder() {
  const QString folder = QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
  return (folder.endsWith(u'/') ? folder : folder + u'/').toStdU16String();
}

solvane::ScreenSize DeviceScreen() {
  solvane::ScreenSize available;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    available = solvane::ScreenSize{area.width(), area.height()};
  }
  const QByteArray requested = qgetenv("SOLVANE_SCREEN");
  std::optional<std::string_view> text;
  if (!requested.isEmpty()) {
    text = std::string_view(requested.constData(), static_cast<std::size_t>(requested.size()));
  }
  return solvane::ChooseDeviceScreen(text, available);
}

// The files and folders named after the program's name, as absolute paths,
// read from the raw arguments that QApplication left (it takes its own
// options out) so that a name that is not UTF-8 is left out
// rather than turned into the name of another file.
std::vector<std::u16string> CommandLinePaths(std::span<const char* const> arguments) {
  std::vector<std::u16string> paths;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::optional<std::u16string> path = solvane::CommandLinePath(arguments[i]);
    if (path) {
      paths.push_back(
          QFileInfo(QString::fromStdU16String(*path)).absoluteFilePath().toStdU16String());
    }
  }
  return paths;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::span<const char* const> arguments(argv, static_cast<std::size_t>(argc));
  // Answered before anything can meet a running player.
  if (const std::optional<std::string> text = solvane::InformationAsked(arguments, SOLVANE_VERSION)) {
    std::fputs(text->c_str(), stdout);
    return 0;
  }
  // When the process was launched, before anything else can delay it: the
  // join window of a burst of starts counts from it.
  const std::int64_t launchedMs = solvane::ThisProcessLaunchMs();
  if (solvane::HasRegistrationSwitch(arguments)) {
    return 0;
  }

  // The menu bar is part of the window's face, never the desktop's global
  // menu (which would also be looked up over the session bus).
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  QApplication application(argc, argv);
  // The termination signals are caught before anything that can wait: until
  // the window exists they end the start, then they save and quit.
  solvane::MainWindow* signalTarget = nullptr;
  const solvane::ExitSignals exitSignals([&signalTarget] {
    if (signalTarget != nullptr) {
      signalTarget->ExitProgram();
    }
  });
  const auto signalled = [] { return solvane::ExitSignals::Arrived(); };
  solvane::SingleInstance instance(solvane::InstanceName());
  const std::vector<std::u16string> commandLinePaths =
      CommandLinePaths(std::span<const char* const>(argv, static_cast<std::size_t>(argc)));
  QStringList forwarded;
  for (const std::u16string& path : commandLinePaths) {
    forwarded.push_back(QString::fromStdU16String(path));
  }
  const solvane::SingleInstance::Claim claim = instance.ClaimOrHandOver(
      solvane::HandoverFromThisProcess(forwarded), kClaimDeadlineMs, signalled);
  if (claim == solvane::SingleInstance::Claim::kHandedOver || signalled()) {
    return 0;
  }
  const solvane::SessionBus bus = solvane::AskSessionBus(kBusAnswerLimit, signalled);
  if (signalled()) {
    return 0;
  }

  solvane::RegisterTahomaFont();
  const std::unique_ptr<solvane::MediaControl> engine = solvane::CreateMediaEngine();
  const solvane::ProgramFolders folders = solvane::ProgramFoldersOnThisSystem(ProgramFolder());
  // Folders stop being listed once the program is asked to end.
  const solvane::KeepListing untilExit = [] { return !solvane::ExitSignals::Arrived(); };
  solvane::MainWindowSettings settings{folders.user, DeviceScreen(), {}, true};
  settings.dataFolder = folders.data;
  settings.keepListing = untilExit;
  solvane::MainWindow window(*engine, std::move(settings));
  signalTarget = &window;
  // The command line's files and those of later starts: a burst of starts
  // (a file manager starting one per file) ends with all its files listed.
  // Files that come in while the player starts join its command line's.
  solvane::ForwardedFiles receivedFiles(untilExit);
  receivedFiles.Keep(commandLinePaths, launchedMs);
  if (claim == solvane::SingleInstance::Claim::kPlayer) {
    instance.Listen([&window, &receivedFiles](const solvane::Handover& handover) {
      std::vector<std::u16string> opened;
      for (const QString& path : handover.paths) {
        opened.push_back(path.toStdU16String());
      }
      if (!window.core().records().lifecycle.started) {
        receivedFiles.Keep(opened, handover.launchedMs);
        return;
      }
      receivedFiles.Receive(window.core().playback(), opened, handover.launchedMs);
      window.ShowPlaylistChange();
      window.BringToFront();
    });
  }

  if (!window.Start()) {
    return 0;  // the start was given up; the state is saved already
  }
  window.show();
  // The desktop's media controls follow the records after every tick.
  solvane::MprisService mpris(window);
  if (bus != solvane::SessionBus::kSilent && mpris.Register()) {
    QObject::connect(&window.PollTimer(), &QTimer::timeout, &mpris, [&mpris] { mpris.Publish(); });
  }
  // After the window shows: a track start waits for the engine to preroll.
  receivedFiles.OpenKept(window.core().playback());
  window.ShowPlaylistChange();
  return application.exec();
}
