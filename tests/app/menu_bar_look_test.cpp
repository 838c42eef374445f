#include "app/qt_menu_bar.h"

#include <QAction>
#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

#include "app/menu_layout.h"
#include "app/qt_deferred_icon_style.h"
#include "tests/app/qt_test_support.h"

namespace solvane::testing {
namespace {

const auto* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

// The bar as a style sheet drew it: the look the bar keeps.
QMenuBar* StyleSheetBar(QWidget* parent, int height) {
  QMenuBar* bar = NewBottomMenuBar(parent, height);
  const MenuBarColour colour;
  const MenuBarMetrics metrics = MenuBarMetricsFor(height);
  bar->setStyleSheet(
      QStringLiteral("QMenuBar { background-color: rgb(%1, %2, %3); font-size: %4px; }"
                     "QMenuBar::item { padding: %5px %6px; background: transparent; }"
                     "QMenuBar::item:selected { background: rgb(187, 203, 215); }")
          .arg(colour.red)
          .arg(colour.green)
          .arg(colour.blue)
          .arg(metrics.fontPixels)
          .arg(metrics.verticalPadding)
          .arg(metrics.horizontalPadding));
  for (const MenuPopup& popup : MainMenu()) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(popup.title.data(), static_cast<qsizetype>(popup.title.size())));
    for (const MenuItem& item : popup.items) {
      if (item.id == 0) {
        menu->addSeparator();
      } else {
        menu->addAction(QString::fromLatin1(item.text.data(), static_cast<qsizetype>(item.text.size())));
      }
    }
  }
  return bar;
}

struct ShownBar {
  ShownBar(int width, int height, bool styleSheet) {
    window = std::make_unique<QWidget>();
    window->setFixedSize(width, height + 200);
    bar = styleSheet ? StyleSheetBar(window.get(), height)
                     : CreateMainMenuBar(window.get(), height, [](int) {});
    bar->setGeometry(0, 200, width, height);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  QImage Bar() const { return bar->grab().toImage().convertToFormat(QImage::Format_RGB32); }
  std::unique_ptr<QWidget> window;
  QMenuBar* bar = nullptr;
};

// At both bar heights, as made, with an item under the pointer and with a
// menu open: the bar and its menu look as the style sheet drew them.
TEST(MenuBarLookTest, LooksAsTheStyleSheetDrewIt) {
  for (const auto& [width, height] : {std::pair{240, 26}, std::pair{480, 52}}) {
    SCOPED_TRACE(height);
    ShownBar drawn(width, height, false);
    ShownBar reference(width, height, true);
    ASSERT_EQ(drawn.bar->actions().size(), reference.bar->actions().size());
    for (int i = 0; i < drawn.bar->actions().size(); ++i) {
      EXPECT_EQ(drawn.bar->actionGeometry(drawn.bar->actions()[i]),
                reference.bar->actionGeometry(reference.bar->actions()[i]));
    }
    EXPECT_EQ(drawn.Bar(), reference.Bar());

    for (ShownBar* shown : {&drawn, &reference}) {
      QTest::mouseMove(shown->bar, shown->bar->actionGeometry(shown->bar->actions()[1]).center());
    }
    QTest::qWait(20);
    EXPECT_EQ(drawn.Bar(), reference.Bar());

    for (ShownBar* shown : {&drawn, &reference}) {
      QTest::mouseClick(shown->bar, Qt::LeftButton, {},
                        shown->bar->actionGeometry(shown->bar->actions()[2]).center());
    }
    QMenu* drawnMenu = drawn.bar->actions()[2]->menu();
    QMenu* referenceMenu = reference.bar->actions()[2]->menu();
    ASSERT_TRUE(QTest::qWaitFor([&] { return drawnMenu->isVisible() && referenceMenu->isVisible(); }));
    EXPECT_EQ(drawn.Bar(), reference.Bar());
    EXPECT_EQ(drawnMenu->size(), referenceMenu->size());
    EXPECT_EQ(drawnMenu->grab().toImage(), referenceMenu->grab().toImage());
    drawnMenu->close();
    referenceMenu->close();
  }
}

// The bar draws over the style the application was given (through the
// application's own proxy of it), not over the desktop's default.
TEST(MenuBarLookTest, DrawsOverTheStyleTheApplicationChose) {
  const QString before = QApplication::style()->name();
  QApplication::setStyle(new DeferredIconStyle(QStyleFactory::create(QStringLiteral("Windows"))));
  {
    QWidget window;
    QMenuBar* bar = CreateMainMenuBar(&window, 26, [](int) {});
    const auto* style = qobject_cast<const QProxyStyle*>(bar->style());
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->baseStyle()->name().toLower(), QStringLiteral("windows"));
  }
  QApplication::setStyle(QStyleFactory::create(before));
}

}  // namespace
}  // namespace solvane::testing
