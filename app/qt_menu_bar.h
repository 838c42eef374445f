#pragma once
// The menu bar at the bottom of the main window, built from the main menu.

#include <functional>

class QMenuBar;
class QWidget;

namespace solvane {

// The items fill the bar's height, with text sized for it.
struct MenuBarMetrics {
  int fontPixels;
  int verticalPadding;    // above and below each item's text
  int horizontalPadding;  // either side of it
};
MenuBarMetrics MenuBarMetricsFor(int height);

// An empty bar of `height` pixels, a child of `parent`, drawn by Qt itself
// (never the desktop's global menu), its menus opening upwards.
QMenuBar* NewBottomMenuBar(QWidget* parent, int height);

// Makes the bar as a child of `parent`, `height` pixels high, in the bar's
// colour; each item sends its command id to `sendCommand`.
QMenuBar* CreateMainMenuBar(QWidget* parent, int height, std::function<void(int)> sendCommand);

}  // namespace solvane
