#include "app/qt_menu_bar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>

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
  const MenuBarColour colour;
  bar->setStyleSheet(QStringLiteral("QMenuBar { background-color: rgb(%1, %2, %3); }")
                         .arg(colour.red)
                         .arg(colour.green)
                         .arg(colour.blue));
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
