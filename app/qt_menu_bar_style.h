#pragma once
// The menu bar's look, drawn by a small proxy of the application's style: a
// flat bar in the bar's colour, items padded around their text, the item
// under the pointer (or open) on a light blue. A style sheet gave the same
// pixels but brought Qt's whole style-sheet engine into every run.

#include <QColor>
#include <QProxyStyle>

namespace solvane {

struct MenuBarLook {
  QColor bar;
  QColor selected;
  int verticalPadding = 0;
  int horizontalPadding = 0;
};

class MenuBarStyle final : public QProxyStyle {
 public:
  // Draws over the application's style as it is when drawing; the bar keeps
  // this object.
  explicit MenuBarStyle(const MenuBarLook& look);

  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                         const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;

 private:
  MenuBarLook look_;
};

}  // namespace solvane
