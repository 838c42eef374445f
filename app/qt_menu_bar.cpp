#include "app/qt_menu_bar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>

#include <algorithm>

#include "app/menu_layout.h"

namespace solvane {
namespace {

QString FromLatin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QMenuBar* CreateMainMenuBar(QWidget* parent, int height, std::function<void(int)> sendCommand) {
  auto* bar = new QMenuBar(parent);
  bar->setNativeMenuBar(false);
  bar->setFixedHeight(height);
  // The items fill the bar's height, with text sized for it.
  const MenuBarColour colour;
  const int fontPixels = height * 12 / 26;
  const int verticalPadding = (height - fontPixels * 3 / 2) / 2;
  bar->setStyleSheet(
      QStringLiteral("QMenuBar { background-color: rgb(%1, %2, %3); font-size: %4px; }"
                     "QMenuBar::item { padding: %5px %6px; background: transparent; }"
                     "QMenuBar::item:selected { background: rgb(187, 203, 215); }")
          .arg(colour.red)
          .arg(colour.green)
          .arg(colour.blue)
          .arg(fontPixels)
          .arg(std::max(verticalPadding, 0))
          .arg(fontPixels / 2));
  for (const MenuPopup& popup : MainMenu()) {
    QMenu* menu = bar->addMenu(FromLatin1(popup.title));
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
