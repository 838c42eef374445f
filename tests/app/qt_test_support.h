#pragma once
// What the tests of the Qt side share: one QApplication for the whole suite
// (offscreen unless told otherwise) and a temporary program folder.

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace solvane::testing {

class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (QApplication::instance() == nullptr) {
      static int argc = 1;
      static char name[] = "app_tests";
      static char* argv[] = {name, nullptr};
      application_ = new QApplication(argc, argv);
      QApplication::setQuitOnLastWindowClosed(false);
    }
  }
  void TearDown() override {
    delete application_;
    application_ = nullptr;
  }

 private:
  QApplication* application_ = nullptr;
};

// A program folder of its own, holding the 480-pixel face when asked.
class ProgramFolder {
 public:
  explicit ProgramFolder(bool withWideFace = true) {
    if (withWideFace) {
      QFile::copy(QStringLiteral(SOLVANE_SOURCE_DIR "/resources/wvrc.sv"), Path("wvrc.sv"));
    }
  }
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  std::u16string Folder() const { return (dir_.path() + u'/').toStdU16String(); }
  QByteArray ReadStateFile() const {
    QFile file(Path("solvane.dat"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  bool HasStateFile() const { return QFile::exists(Path("solvane.dat")); }

 private:
  QTemporaryDir dir_;
};

}  // namespace solvane::testing
