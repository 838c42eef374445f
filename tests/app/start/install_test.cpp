// The installed program: `cmake --install` into a temporary prefix, then the
// installed copy run by a user who cannot write the prefix (the unprivileged
// "nobody" when the tests run as root). Its data comes from the prefix and
// its state is kept in $XDG_STATE_HOME/solvane.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace solvane::testing {
namespace {

constexpr int kDeadlineMs = 60000;
constexpr int kStateFileSize = 600;

bool RunsAsRoot() { return ::geteuid() == 0; }

// Hands `path` to the user the program runs as.
void GiveToRunningUser(const QString& path) {
  if (!RunsAsRoot()) {
    return;
  }
  const passwd* nobody = ::getpwnam("nobody");
  ASSERT_NE(nobody, nullptr);
  ASSERT_EQ(::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid), 0);
}

class InstallTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root.isValid());
    // Everything below is readable by the unprivileged user.
    ASSERT_EQ(::chmod(QFile::encodeName(root.path()).constData(), 0755), 0);
    QProcess install;
    install.setProcessChannelMode(QProcess::ForwardedChannels);
    install.start(QStringLiteral(SOLVANE_CMAKE),
                  {QStringLiteral("--install"), QStringLiteral(SOLVANE_BUILD_DIR),
                   QStringLiteral("--prefix"), Prefix()});
    ASSERT_TRUE(install.waitForFinished(kDeadlineMs));
    ASSERT_EQ(install.exitCode(), 0);
    ASSERT_TRUE(QDir().mkpath(Home()));
    ASSERT_EQ(::chmod(QFile::encodeName(Home()).constData(), 0700), 0);
    GiveToRunningUser(Home());
  }

  void TearDown() override {
    if (player.state() != QProcess::NotRunning) {
      player.kill();
      player.waitForFinished();
    }
  }

  QString Prefix() const { return root.filePath(QStringLiteral("prefix")); }
  QString Home() const { return root.filePath(QStringLiteral("home")); }
  QString StateFolder() const { return Home() + QStringLiteral("/state/solvane"); }
  QString StateFile() const { return StateFolder() + QStringLiteral("/solvane.dat"); }
  QString SocketName() const { return Home() + QStringLiteral("/instance.socket"); }

  // Starts the installed program and waits until it listens for later starts.
  void Start(const QStringList& arguments = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("SOLVANE_AUDIO_SINK"), QStringLiteral("fakesink"));
    environment.insert(QStringLiteral("SOLVANE_SCREEN"), QStringLiteral("480x800"));
    environment.insert(QStringLiteral("SOLVANE_INSTANCE_NAME"), SocketName());
    environment.insert(QStringLiteral("HOME"), Home());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Home());
    environment.insert(QStringLiteral("XDG_STATE_HOME"), Home() + QStringLiteral("/state"));
    player.setProcessEnvironment(environment);
    player.setProcessChannelMode(QProcess::SeparateChannels);
    const QString program = Prefix() + QStringLiteral("/bin/solvane");
    if (RunsAsRoot()) {
      // setpriv replaces itself with the program, which keeps the process id.
      player.start(QStringLiteral("setpriv"), QStringList
                   {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                    QStringLiteral("--clear-groups"), program} + arguments);
    } else {
      player.start(program, arguments);
    }
    ASSERT_TRUE(player.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return QFile::exists(SocketName()) || player.state() == QProcess::NotRunning; },
        kDeadlineMs));
    ASSERT_EQ(player.state(), QProcess::Running) << player.readAllStandardError().constData();
  }

  // Ends the program with SIGTERM; returns what it wrote on standard error.
  QByteArray Terminate() {
    EXPECT_EQ(::kill(static_cast<pid_t>(player.processId()), SIGTERM), 0);
    EXPECT_TRUE(player.waitForFinished(kDeadlineMs));
    EXPECT_EQ(player.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(player.exitCode(), 0);
    return player.readAllStandardError();
  }

  QByteArray SavedState() const {
    QFile file(StateFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir root;
  QProcess player;
};

TEST_F(InstallTest, PutsTheProgramItsDataTheDesktopEntryAndTheIcons) {
  EXPECT_TRUE(QFileInfo(Prefix() + QStringLiteral("/bin/solvane")).isExecutable());
  EXPECT_TRUE(QFileInfo::exists(Prefix() + QStringLiteral("/share/solvane/wvrc.sv")));
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QImage icon(Prefix() + QStringLiteral("/share/icons/hicolor/%1x%1/apps/solvane.png").arg(size));
    EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    EXPECT_TRUE(icon.hasAlphaChannel()) << size;
  }
  const QString entry = Prefix() + QStringLiteral("/share/applications/solvane.desktop");
  QFile entryFile(entry);
  ASSERT_TRUE(entryFile.open(QIODevice::ReadOnly));
  const QByteArray text = entryFile.readAll();
  EXPECT_TRUE(text.contains("\nExec=solvane %F\n"));
  EXPECT_TRUE(text.contains("audio/mpeg;"));
  const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
  ASSERT_FALSE(validator.isEmpty()) << "desktop-file-utils is not installed";
  QProcess validate;
  validate.setProcessChannelMode(QProcess::ForwardedChannels);
  validate.start(validator, {entry});
  ASSERT_TRUE(validate.waitForFinished(kDeadlineMs));
  EXPECT_EQ(validate.exitCode(), 0);
}

// The installed program keeps its state in the user's state folder, reads it
// back at the next start, and says so on standard error when it cannot save.
TEST_F(InstallTest, KeepsTheUsersStateInTheStateFolderAcrossRestarts) {
  const QString song = root.filePath(QStringLiteral("Installed Song.aif"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(SOLVANE_SOURCE_DIR "/tests/media/tone.aif"), song));
  ASSERT_EQ(::chmod(QFile::encodeName(song).constData(), 0644), 0);
  const QString name = QStringLiteral("Installed Song.aif");
  const QByteArray wideName(reinterpret_cast<const char*>(name.utf16()), name.size() * 2);

  Start({song});
  EXPECT_FALSE(Terminate().contains("cannot save"));
  const QByteArray first = SavedState();
  ASSERT_GT(first.size(), kStateFileSize);
  EXPECT_TRUE(first.contains(wideName));
  EXPECT_EQ(first.left(4), QByteArray("SV_P"));
  EXPECT_EQ(static_cast<int>(first[556]), 1);  // got past the screen check with the installed face
  EXPECT_EQ(QFileInfo(StateFolder()).permissions() & (QFile::ReadOther | QFile::ReadGroup),
            QFile::Permissions());
  EXPECT_FALSE(QFileInfo::exists(Prefix() + QStringLiteral("/bin/solvane.dat")));

  // The next start reads the playlist back and keeps it.
  Start();
  EXPECT_FALSE(Terminate().contains("cannot save"));
  EXPECT_TRUE(SavedState().contains(wideName));
  const QByteArray second = SavedState();

  // A state folder the user cannot write: the save fails, and says why.
  const QByteArray folder = QFile::encodeName(StateFolder());
  ASSERT_EQ(::chmod(folder.constData(), 0500), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(StateFile()).constData(), 0400), 0);
  Start();
  const QByteArray complaint = Terminate();
  EXPECT_TRUE(complaint.contains(QFile::encodeName(StateFile()))) << complaint.constData();
  EXPECT_TRUE(complaint.contains("Permission denied")) << complaint.constData();
  EXPECT_EQ(SavedState(), second);
}

}  // namespace
}  // namespace solvane::testing
