#pragma once
// The file browser: a modal dialog over the main window with "Done" in its top
// strip, the listing in a three-column list, and the soft keys "Up_Folder   ",
// "Add_All    " and "Cancel" at its bottom. Taps and keys go to the browser
// core; the dialog shows the listing again or closes as the core says.

#include "views/browser_flow.h"
#include "skin/dialogs/full_screen_dialog.h"

class QPushButton;
class QTreeView;

namespace solvane {

class FileBrowserModel;
class SoftKeyBar;

class FileBrowserDialog : public FullScreenDialog {
 public:
  // Lists the folder where the browser was left. `scale` is the skin scale.
  FileBrowserDialog(QWidget* mainWindow, BrowserSession& session, int scale);

  QTreeView* List() const { return list_; }
  QPushButton* SoftKey(int commandId) const;

 private:
  void AddList();
  void AddSoftKeys();
  void TapRow(int row);
  void RunCommand(int commandId);
  // Runs a step of the core around which the listing may change.
  template <typename Step>
  void Apply(Step step);

  BrowserSession& session_;
  FileBrowserModel* model_ = nullptr;
  QTreeView* list_ = nullptr;
  SoftKeyBar* softKeyBar_ = nullptr;
};

// Opens the browser in the mode that session.playback.player.addMode holds and
// returns when it has closed.
void RunFileBrowser(QWidget* mainWindow, BrowserSession& session, int scale);

}  // namespace solvane
