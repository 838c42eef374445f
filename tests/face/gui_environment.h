#pragma once
// One QGuiApplication for a whole test executable, on the offscreen platform
// unless the environment chose another, with the Tahoma faces registered.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

#include "face/qt_fonts.h"

namespace solvane::testing {

class GuiEnvironment final : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    tahomaRegistered = RegisterTahomaFont();
  }
  void TearDown() override { application_.reset(); }

  static inline bool tahomaRegistered = false;

 private:
  int argc_ = 1;
  char name_[16] = "face_qt_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> application_;
};

}  // namespace solvane::testing
