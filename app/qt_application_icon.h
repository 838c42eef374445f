#pragma once
// The program's icon, read from its files whenever a size of it is asked
// for instead of held decoded at every size for the whole run: the window
// system takes its copy when the icon is set, and the rest is seldom drawn.

#include <QIcon>

namespace solvane {

// The icon at each of kApplicationIconSizes, from kApplicationIconResource.
QIcon ApplicationIcon();

}  // namespace solvane
