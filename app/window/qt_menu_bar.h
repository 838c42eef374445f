#pragma once
// The menu bar at the bottom of the main window, built from the main menu.

#include <functional>

class QMenuBar;
class QWidget;

namespace solvane {

// Makes the bar as a child of `parent`, `height` pixels high, in the bar's
// colour; each item sends its command id to `sendCommand`.
QMenuBar* CreateMainMenuBar(QWidget* parent, int height, std::function<void(int)> sendCommand);

}  // namespace solvane
