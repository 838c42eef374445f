#pragma once
// The file browser's two row icons at the skin's scale: the 16-pixel artwork
// at scale 1, the 32-pixel artwork at scale 2.

#include <QIcon>

namespace solvane {

enum class BrowserIconKind { kFolder, kDocument };

// The built-in resource number of the icon for `kind` at `scale`.
int BrowserIconResource(BrowserIconKind kind, int scale);

QIcon BrowserIcon(BrowserIconKind kind, int scale);

}  // namespace solvane
