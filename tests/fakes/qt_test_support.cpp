#include "tests/fakes/qt_test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

namespace solvane::testing {

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
 public:
  // The program registers the Tahoma face at start; the tests do the same so
  // that the dialogs are laid out as in the program.
  void SetUp() override {
    application_ = new QApplication(argc_, argv_);
    for (const char* face : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
      if (QFile::exists(face)) {
        QFontDatabase::addApplicationFont(face);
      }
    }
  }
  void TearDown() override {
    delete application_;
    application_ = nullptr;
  }

 private:
  int argc_ = 1;
  char name_[16] = "solvane-tests";
  char* argv_[2] = {name_, nullptr};
  QApplication* application_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace

bool SaveScreenshot(QWidget& widget, std::string_view name) {
#ifdef SOLVANE_SCREENSHOT_DIR
  const QString folder = QString::fromUtf8(SOLVANE_SCREENSHOT_DIR);
  QDir().mkpath(folder);
  const QString file = folder + "/" + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) + ".png";
  return widget.grab().save(file);
#else
  (void)widget;
  (void)name;
  return false;
#endif
}

}  // namespace solvane::testing
