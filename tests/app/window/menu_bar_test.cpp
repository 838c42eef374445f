// The menu bar as the application's style draws it with the bar's palette
// (offscreen).

#include "app/window/qt_menu_bar.h"

#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/window/menu_layout.h"

namespace solvane::testing {
namespace {

QColor BarColour() {
  const MenuBarColour colour;
  return QColor(colour.red, colour.green, colour.blue);
}

// Past the last item the bar shows its colour; the item whose menu is open
// shows the light blue; the items stay inside the bar at both heights.
TEST(MenuBarTest, DrawsTheBarInItsColourAndTheOpenItemInLightBlue) {
  for (const auto& [width, height] : {std::pair{240, 26}, std::pair{480, 52}}) {
    SCOPED_TRACE(height);
    QWidget window;
    window.setFixedSize(width, height);
    QMenuBar* bar = CreateMainMenuBar(&window, height, [](int) {});
    bar->setGeometry(0, 0, width, height);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(bar->actions().size(), 4);
    const QRect last = bar->actionGeometry(bar->actions().back());
    EXPECT_LE(last.bottom(), height - 1);
    EXPECT_EQ(bar->grab().toImage().pixelColor(width - 2, height / 2), BarColour());

    const QRect first = bar->actionGeometry(bar->actions().front());
    QTest::mouseClick(bar, Qt::LeftButton, {}, first.center());
    QMenu* menu = bar->actions().front()->menu();
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    EXPECT_EQ(bar->grab().toImage().pixelColor(first.left() + 2, first.center().y()),
              QColor(187, 203, 215));
    menu->close();
  }
}

}  // namespace
}  // namespace solvane::testing
