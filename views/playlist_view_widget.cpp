#include "views/playlist_view_widget.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>

#include <utility>

#include "views/list_look.h"
#include "skin/dialogs/qt_text.h"

namespace solvane {

namespace {

PlaylistViewKey KeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Up:
      return PlaylistViewKey::kUp;
    case Qt::Key_Down:
      return PlaylistViewKey::kDown;
    default:
      return PlaylistViewKey::kOther;
  }
}

}  // namespace

PlaylistViewWidget::PlaylistViewWidget(QWidget* clientArea, PlaybackContext& context,
                                       const PlaylistViewPlace& place, int scale,
                                       std::function<void()> switchOff)
    : QTreeWidget(clientArea), context_(context), switchOff_(std::move(switchOff)) {
  setObjectName("list111");
  setGeometry(place.x, place.y, place.width, place.height);
  setColumnCount(1);
  setHeaderLabels({"Playlist"});
  setHeaderHidden(true);
  header()->setStretchLastSection(false);
  setColumnWidth(0, place.columnWidth);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setFrameShape(QFrame::Box);
  GiveListLook(this, scale);
  KeepMarksVisibleUnderSelection(this);
  connect(this, &QTreeWidget::clicked, this, [this](const QModelIndex& index) { TapRow(index.row()); });
}

void PlaylistViewWidget::ReplaceAllRows(const std::vector<std::u16string_view>& texts) {
  clear();
  markedRow_ = -1;
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(texts.size()));
  for (const std::u16string_view text : texts) {
    items.append(new QTreeWidgetItem(QStringList{ToQString(text)}));
  }
  addTopLevelItems(items);
}

void PlaylistViewWidget::RemoveRow(std::int32_t row) {
  delete takeTopLevelItem(row);
  if (markedRow_ == row) {
    markedRow_ = -1;
  } else if (markedRow_ > row) {
    --markedRow_;
  }
}

void PlaylistViewWidget::MarkRow(std::int32_t row) {
  ShowMark(markedRow_, false);
  markedRow_ = (row >= 0 && row < topLevelItemCount()) ? row : -1;
  ShowMark(markedRow_, true);
}

void PlaylistViewWidget::ReplaceFirstRowText(std::u16string_view text) {
  if (QTreeWidgetItem* first = topLevelItem(0)) {
    first->setText(0, ToQString(text));
  }
}

void PlaylistViewWidget::RemoveAllRowsButFirst() {
  while (topLevelItemCount() > 1) {
    delete takeTopLevelItem(topLevelItemCount() - 1);
  }
  if (markedRow_ > 0) {
    markedRow_ = -1;
  }
}

QString PlaylistViewWidget::RowText(int row) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  return item != nullptr ? item->text(0) : QString();
}

void PlaylistViewWidget::ShowMark(int row, bool marked) {
  ShowRowMark(row >= 0 ? topLevelItem(row) : nullptr, marked);
}

void PlaylistViewWidget::TapRow(int row) {
  if (TapPlaylistRow(context_, *this, row) == PlaylistTapResult::kPlayed) {
    hide();
    // Destroying the view inside its own click handling would pull the widget
    // out from under Qt; the switch-off runs once the handling has returned.
    // It is copied first because it is expected to delete this widget.
    QTimer::singleShot(0, this, [switchOff = switchOff_] {
      if (switchOff) {
        switchOff();
      }
    });
  }
}

void PlaylistViewWidget::keyPressEvent(QKeyEvent* event) {
  PlaylistViewKeyDown(context_, KeyOf(event->key()));
  QTreeWidget::keyPressEvent(event);
}

PlaylistViewWidget* CreatePlaylistViewWidget(QWidget* clientArea, PlaybackContext& context,
                                             const PlaylistViewPlace& place, int scale,
                                             std::function<void()> switchOff) {
  auto* view = new PlaylistViewWidget(clientArea, context, place, scale, std::move(switchOff));
  CreatePlaylistView(context.playlist, context.player, *view);
  view->show();
  return view;
}

}  // namespace solvane
