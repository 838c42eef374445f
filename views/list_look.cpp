#include "views/list_look.h"

#include <QAbstractItemView>
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QStyledItemDelegate>
#include <QTreeWidgetItem>

namespace solvane {

namespace {

constexpr int kTextPixels = 12;  // x scale
constexpr int kMarkRole = Qt::UserRole + 1;
constexpr int kSelectionFrameWidth = 2;
const QColor kMarkBackground(255, 226, 140);

class MarkedRowDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    if (!index.data(kMarkRole).toBool()) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    // The selection's fill (and the pointer's hover tint) would cover the
    // mark: draw the row as marked and frame it in the selection's colour.
    QStyleOptionViewItem asMarked(option);
    asMarked.state &= ~(QStyle::State_Selected | QStyle::State_MouseOver);
    QStyledItemDelegate::paint(painter, asMarked, index);
    if (!option.state.testFlag(QStyle::State_Selected)) {
      return;
    }
    painter->save();
    QPen frame(option.palette.color(QPalette::Highlight));
    frame.setWidth(kSelectionFrameWidth);
    frame.setJoinStyle(Qt::MiterJoin);
    painter->setPen(frame);
    painter->setBrush(Qt::NoBrush);
    const int inset = kSelectionFrameWidth / 2;
    painter->drawRect(option.rect.adjusted(inset, inset, -inset, -inset));
    painter->restore();
  }
};

}  // namespace

void GiveListLook(QAbstractItemView* list, int scale) {
  const QColor background(187, 203, 215);
  QPalette colours = list->palette();
  colours.setColor(QPalette::Base, background);
  colours.setColor(QPalette::AlternateBase, background);
  list->setPalette(colours);
  QFont text = list->font();
  text.setPixelSize(kTextPixels * scale);
  list->setFont(text);
}

void ShowRowMark(QTreeWidgetItem* item, bool marked) {
  if (item == nullptr) {
    return;
  }
  QFont font = item->font(0);
  font.setBold(marked);
  item->setFont(0, font);
  item->setBackground(0, marked ? QBrush(kMarkBackground) : QBrush());
  item->setData(0, kMarkRole, marked);
}

void KeepMarksVisibleUnderSelection(QAbstractItemView* list) {
  list->setItemDelegate(new MarkedRowDelegate(list));
}

}  // namespace solvane
