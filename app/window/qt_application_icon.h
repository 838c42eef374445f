#pragma once
// The program's icon, as the window and the desktop show it.

#include <QIcon>

namespace solvane {

// The icon at each of kApplicationIconSizes, from kApplicationIconResource.
QIcon ApplicationIcon();

}  // namespace solvane
