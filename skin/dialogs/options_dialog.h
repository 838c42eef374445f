#pragma once
// The Options dialog: four check boxes whose options change the moment they
// are clicked, and the list of the program folder's background images. OK
// loads the background image again, so a newly chosen file shows.

#include <array>
#include <iterator>

#include "skin/dialogs/full_screen_dialog.h"
#include "skin/dialogs/options_layout.h"
#include "skin/dialogs/options_logic.h"

class QCheckBox;
class QListWidget;

namespace solvane {

class OptionsDialog : public FullScreenDialog {
 public:
  OptionsDialog(QWidget* mainWindow, OptionsContext& context, int scale);

  // The check box of control `controlId` (1014..1017), null for another id.
  QCheckBox* CheckBox(int controlId) const;
  QListWidget* BackgroundList() const { return list_; }

  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AddCheckBoxes();
  void AddBackgroundList();
  // Any notification of the list: take its selection again, if it has one.
  void TakeListSelection();

  OptionsContext& context_;
  std::array<QCheckBox*, std::size(kOptionCheckBoxes)> checkBoxes_ = {};
  QListWidget* list_ = nullptr;
};

// Runs the dialog modally over `mainWindow` and repaints the main window once
// it has gone, so the face shows the background as it now stands.
void RunOptionsDialog(QWidget* mainWindow, OptionsContext& context, int scale);

}  // namespace solvane
