#include "app/window/qt_menu_bar.h"

#include <QAction>
#include <QColor>
#include <QEvent>
#include <QFont>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QString>

#include <algorithm>

#include "app/window/menu_layout.h"

namespace solvane {
namespace {

QString FromLatin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Keeps each opened menu within the window's width: a menu wider than the
// room right of its bar item (the last item on a 240-pixel screen) is moved
// left until its right edge meets the window's.
class MenuWithinWindow final : public QObject {
 public:
  explicit MenuWithinWindow(QMenuBar* bar) : QObject(bar), bar_(bar) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* menu = qobject_cast<QMenu*>(watched);
    if (menu != nullptr && event->type() == QEvent::Show) {
      const QWidget* window = bar_->window();
      const int windowLeft = window->mapToGlobal(QPoint(0, 0)).x();
      const int windowRight = windowLeft + window->width();
      const int left = std::max(std::min(menu->x(), windowRight - menu->width()), windowLeft);
      if (left != menu->x()) {
        menu->move(left, menu->y());
      }
    }
    return false;
  }

 private:
  QMenuBar* bar_;
};

// An empty bar of `height` pixels, a child of `parent`, drawn by Qt itself
// (never the desktop's global menu), its menus opening upwards.
QMenuBar* NewBottomMenuBar(QWidget* parent, int height) {
  auto* bar = new QMenuBar(parent);
  bar->setNativeMenuBar(false);
  // The bar lies along the bottom of the device screen, so its menus open
  // upwards, over the face, as they do on the handheld.
  bar->setDefaultUp(true);
  bar->setFixedHeight(height);
  return bar;
}

}  // namespace

QMenuBar* CreateMainMenuBar(QWidget* parent, int height, std::function<void(int)> sendCommand) {
  QMenuBar* bar = NewBottomMenuBar(parent, height);
  // The application's style draws the bar and its menus in the bar's colour,
  // the item under the pointer (or open) on a light blue, in text sized for
  // the bar's height.
  const MenuBarColour colour;
  QPalette palette = bar->palette();
  const QColor barColour(colour.red, colour.green, colour.blue);
  palette.setColor(QPalette::Window, barColour);
  palette.setColor(QPalette::Button, barColour);
  palette.setColor(QPalette::Highlight, QColor(187, 203, 215));
  palette.setColor(QPalette::HighlightedText, palette.color(QPalette::WindowText));
  bar->setPalette(palette);
  bar->setAutoFillBackground(true);
  QFont font = bar->font();
  font.setPixelSize(height * 12 / 26);
  bar->setFont(font);
  auto* keepInside = new MenuWithinWindow(bar);
  for (const MenuPopup& popup : MainMenu()) {
    QMenu* menu = bar->addMenu(FromLatin1(popup.title));
    menu->installEventFilter(keepInside);
    for (const MenuItem& item : popup.items) {
      if (item.id == 0) {
        menu->addSeparator();
        continue;
      }
      QAction* action = menu->addAction(FromLatin1(item.text));
      action->setData(item.id);
      const int id = item.id;
      QObject::connect(action, &QAction::triggered, bar, [sendCommand, id] { sendCommand(id); });
    }
  }
  return bar;
}

}  // namespace solvane
