#include "app/qt_menu_bar_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionMenuItem>

namespace solvane {

namespace {

// The name of the style the application draws with, looking through a proxy
// (the application's own style is one) to the style it stands over.
QString ApplicationStyleName() {
  const QStyle* style = QApplication::style();
  if (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) {
    style = proxy->baseStyle();
  }
  return style->name();
}

}  // namespace

MenuBarStyle::MenuBarStyle(const MenuBarLook& look)
    : QProxyStyle(ApplicationStyleName()), look_(look) {}

QSize MenuBarStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& contents, const QWidget* widget) const {
  if (type == CT_MenuBarItem) {
    return contents + QSize(2 * look_.horizontalPadding, 2 * look_.verticalPadding);
  }
  return QProxyStyle::sizeFromContents(type, option, contents, widget);
}

void MenuBarStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
  if (element == CE_MenuBarEmptyArea) {
    painter->fillRect(option->rect, look_.bar);
    return;
  }
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (element != CE_MenuBarItem || item == nullptr) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  painter->fillRect(item->rect, (item->state & State_Selected) != 0 ? look_.selected : look_.bar);
  int alignment = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine;
  if (styleHint(SH_UnderlineShortcut, item, widget) == 0) {
    alignment |= Qt::TextHideMnemonic;
  }
  const QRect text = item->rect.adjusted(look_.horizontalPadding, look_.verticalPadding,
                                         -look_.horizontalPadding, -look_.verticalPadding);
  QPalette palette = item->palette;
  palette.setBrush(QPalette::Button, look_.bar);
  drawItemText(painter, text, alignment, palette, (item->state & State_Enabled) != 0, item->text,
               QPalette::ButtonText);
}

}  // namespace solvane
