#include "views/list_look.h"

#include <QAbstractItemView>
#include <QColor>
#include <QFont>
#include <QPalette>

namespace solvane {

namespace {

constexpr int kTextPixels = 12;  // x scale

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

}  // namespace solvane
