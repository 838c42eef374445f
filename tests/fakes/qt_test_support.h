#pragma once
// For suites that drive real widgets offscreen: compiling qt_test_support.cpp
// into a suite gives it one QApplication for all its tests. Screenshots go to
// the folder the suite names in SOLVANE_SCREENSHOT_DIR.

#include <string_view>

class QWidget;

namespace solvane::testing {

// Saves what `widget` shows as <screenshot folder>/<name>.png; true when the
// file was written.
bool SaveScreenshot(QWidget& widget, std::string_view name);

}  // namespace solvane::testing
