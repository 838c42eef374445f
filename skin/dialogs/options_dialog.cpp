#include "skin/dialogs/options_dialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QListWidget>

#include <iterator>
#include <string>

#include "skin/dialogs/options_layout.h"
#include "skin/dialogs/qt_text.h"

namespace solvane {

OptionsDialog::OptionsDialog(QWidget* mainWindow, OptionsContext& context, int scale)
    : FullScreenDialog(mainWindow, "OK", scale), context_(context) {
  Body()->setFont(DialogFont(kOptionsFontPixels, scale));
  AddCheckBoxes();
  AddBackgroundList();
}

void OptionsDialog::AddCheckBoxes() {
  for (std::size_t index = 0; index < std::size(kOptionCheckBoxes); ++index) {
    const OptionCheckBoxPlace& place = kOptionCheckBoxes[index];
    auto* box = new QCheckBox(QString::fromUtf8(place.text), Body());
    box->setObjectName(QString("check%1").arg(place.controlId));
    PlaceControl(box, place.units, BaseUnitsOf(Body()->font()), Growth::kRightward, width());
    box->setChecked(IsOptionChecked(context_.options, place.controlId));
    const int controlId = place.controlId;
    connect(box, &QCheckBox::toggled, this, [this, controlId](bool checked) {
      ApplyOptionCheckBox(context_, controlId, checked);
    });
    checkBoxes_[index] = box;
  }
}

void OptionsDialog::AddBackgroundList() {
  list_ = new QListWidget(Body());
  list_->setObjectName(QString("list%1").arg(kIdBackgroundImageList));
  const DialogRect list = DialogUnitsToPixels(kBackgroundListUnits, BaseUnitsOf(Body()->font()), 1);
  list_->setGeometry(list.x, list.y, list.width, list.height);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setFrameShape(QFrame::Box);

  const std::vector<std::u16string> names = BackgroundImageList(context_.programFolder);
  for (const std::u16string& name : names) {
    list_->addItem(ToQString(name));
  }
  const std::int32_t selected = BackgroundListSelection(names, CurrentBackgroundName(context_.options));
  if (selected >= 0) {
    list_->setCurrentRow(selected);
  }

  connect(list_, &QListWidget::itemSelectionChanged, this, &OptionsDialog::TakeListSelection);
  connect(list_, &QListWidget::itemClicked, this, &OptionsDialog::TakeListSelection);
  connect(list_, &QListWidget::itemDoubleClicked, this, &OptionsDialog::TakeListSelection);
  list_->installEventFilter(this);
}

QCheckBox* OptionsDialog::CheckBox(int controlId) const {
  for (std::size_t index = 0; index < std::size(kOptionCheckBoxes); ++index) {
    if (kOptionCheckBoxes[index].controlId == controlId) {
      return checkBoxes_[index];
    }
  }
  return nullptr;
}

void OptionsDialog::TakeListSelection() {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  if (!selected.isEmpty()) {
    ChooseBackgroundImage(context_, selected.front()->text().toStdU16String());
  }
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::FocusIn) {
    TakeListSelection();
  }
  return FullScreenDialog::eventFilter(watched, event);
}

void OptionsDialog::accept() {
  ConfirmOptions(context_);
  FullScreenDialog::accept();
}

void RunOptionsDialog(QWidget* mainWindow, OptionsContext& context, int scale) {
  OptionsDialog dialog(mainWindow, context, scale);
  dialog.RunModal();
  if (mainWindow != nullptr) {
    mainWindow->update();
  }
}

}  // namespace solvane
