#include "app/qt_single_instance.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>

namespace solvane {
namespace {

class SingleInstanceTest : public ::testing::Test {
 protected:
  QString Name() const { return dir.filePath(QStringLiteral("player.socket")); }
  QTemporaryDir dir;
};

TEST_F(SingleInstanceTest, ALaterStartAsksTheFirstToShowItself) {
  SingleInstance first(Name());
  int shown = 0;
  ASSERT_TRUE(first.Listen([&shown] { ++shown; }));

  SingleInstance later(Name());
  EXPECT_TRUE(later.AskRunningInstanceToShow());
  EXPECT_TRUE(QTest::qWaitFor([&shown] { return shown == 1; }));
}

TEST_F(SingleInstanceTest, NobodyAnswersWhenNoPlayerRuns) {
  SingleInstance alone(Name());
  EXPECT_FALSE(alone.AskRunningInstanceToShow());
}

TEST_F(SingleInstanceTest, ASocketLeftBehindIsTakenOver) {
  const QByteArray path = QFile::encodeName(Name());
  const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(stale, 0);
  sockaddr_un address = {};
  address.sun_family = AF_UNIX;
  std::copy(path.begin(), path.end(), address.sun_path);
  ASSERT_EQ(::bind(stale, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(stale);

  SingleInstance next(Name());
  EXPECT_FALSE(next.AskRunningInstanceToShow());
  int shown = 0;
  ASSERT_TRUE(next.Listen([&shown] { ++shown; }));
  SingleInstance later(Name());
  EXPECT_TRUE(later.AskRunningInstanceToShow());
  EXPECT_TRUE(QTest::qWaitFor([&shown] { return shown == 1; }));
}

TEST(InstanceName, IsPerUserUnlessOverridden) {
  qunsetenv("SOLVANE_INSTANCE_NAME");
  EXPECT_EQ(InstanceName(), QStringLiteral("solvane-%1").arg(getuid()));
  qputenv("SOLVANE_INSTANCE_NAME", "/tmp/elsewhere");
  EXPECT_EQ(InstanceName(), QStringLiteral("/tmp/elsewhere"));
  qunsetenv("SOLVANE_INSTANCE_NAME");
}

}  // namespace
}  // namespace solvane
