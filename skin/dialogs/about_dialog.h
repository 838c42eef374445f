#pragma once
// The About dialog: the product and maker logos, the product line with its
// version and the maker's addresses. OK closes it; it changes nothing.

#include "skin/dialogs/full_screen_dialog.h"

namespace solvane {

class AboutDialog : public FullScreenDialog {
 public:
  AboutDialog(QWidget* mainWindow, int scale);
};

// Runs the dialog modally over `mainWindow`; returns when it has closed.
void RunAboutDialog(QWidget* mainWindow, int scale);

}  // namespace solvane
