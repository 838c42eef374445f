#include "views/file_browser_dialog.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "views/file_browser_model.h"
#include "views/list_look.h"
#include "views/soft_key_bar.h"

namespace solvane {

namespace {

constexpr int kIconSize = 16;  // x scale

struct ColumnWidth {
  int column;
  int width;  // x scale
};

constexpr ColumnWidth kColumnWidths[] = {{0, 150}, {1, 40}, {2, 55}};

}  // namespace

FileBrowserDialog::FileBrowserDialog(QWidget* mainWindow, BrowserSession& session, int scale)
    : FullScreenDialog(mainWindow, "Done", scale), session_(session) {
  OpenFileBrowser(session_);
  auto* column = new QVBoxLayout(Body());
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  AddList();
  AddSoftKeys();
  column->addWidget(list_, 1);
  column->addWidget(softKeyBar_);
}

void FileBrowserDialog::AddList() {
  model_ = new FileBrowserModel(session_.listing, Scale(), this);
  list_ = new QTreeView(Body());
  list_->setObjectName("list110");
  list_->setModel(model_);
  list_->setRootIsDecorated(false);
  list_->setItemsExpandable(false);
  list_->setUniformRowHeights(true);
  list_->setSortingEnabled(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setIconSize(QSize(kIconSize * Scale(), kIconSize * Scale()));
  list_->header()->setSectionsClickable(false);
  list_->header()->setSectionsMovable(false);
  list_->header()->setStretchLastSection(false);
  for (const ColumnWidth& width : kColumnWidths) {
    list_->setColumnWidth(width.column, width.width * Scale());
  }
  GiveListLook(list_, Scale());
  connect(list_, &QTreeView::clicked, this,
          [this](const QModelIndex& index) { TapRow(index.row()); });
}

void FileBrowserDialog::AddSoftKeys() {
  softKeyBar_ = new SoftKeyBar(Body(), Scale());
  softKeyBar_->setObjectName("softKeys");
  for (const BrowserSoftKey& key : kBrowserSoftKeys) {
    QPushButton* button = softKeyBar_->AddKey(QString::fromUtf8(key.text));
    button->setObjectName(QString("softKey%1").arg(key.commandId));
    const int commandId = key.commandId;
    connect(button, &QPushButton::clicked, this, [this, commandId] { RunCommand(commandId); });
  }
}

QPushButton* FileBrowserDialog::SoftKey(int commandId) const {
  return softKeyBar_->findChild<QPushButton*>(QString("softKey%1").arg(commandId));
}

template <typename Step>
void FileBrowserDialog::Apply(Step step) {
  model_->BeginListingChange();
  const BrowserAction action = step();
  model_->EndListingChange();
  if (action == BrowserAction::kClose) {
    accept();
  } else if (action == BrowserAction::kRelisted) {
    list_->scrollToTop();
  }
}

void FileBrowserDialog::TapRow(int row) {
  Apply([this, row] { return TapBrowserRow(session_, row); });
}

void FileBrowserDialog::RunCommand(int commandId) {
  Apply([this, commandId] { return RunBrowserCommand(session_, commandId); });
}

void RunFileBrowser(QWidget* mainWindow, BrowserSession& session, int scale) {
  FileBrowserDialog dialog(mainWindow, session, scale);
  dialog.RunModal();
}

}  // namespace solvane
