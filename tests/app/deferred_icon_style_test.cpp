#include "app/qt_deferred_icon_style.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStyleFactory>
#include <QStyleOption>

#include <gtest/gtest.h>

#include <memory>

#include "tests/app/qt_test_support.h"

namespace solvane::testing {
namespace {

const auto* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

QImage Pixels(const QIcon& icon, QSize size, QIcon::Mode mode = QIcon::Normal) {
  return icon.pixmap(size, mode).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Made when first drawn, the overflow button's icons are those of the style
// underneath, in either layout direction; other icons pass straight through.
TEST(DeferredIconStyleTest, GivesTheUnderlyingStylesIcons) {
  const std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
  DeferredIconStyle deferred(QStyleFactory::create(QStringLiteral("Fusion")));
  for (const QStyle::StandardPixmap which :
       {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
        QStyle::SP_DialogOkButton, QStyle::SP_MessageBoxWarning}) {
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
      SCOPED_TRACE(::testing::Message() << which << " direction " << direction);
      QStyleOption option;
      option.direction = direction;
      const QIcon expected = plain->standardIcon(which, &option);
      const QIcon icon = deferred.standardIcon(which, &option);
      EXPECT_EQ(icon.isNull(), expected.isNull());
      EXPECT_EQ(icon.availableSizes(), expected.availableSizes());
      for (const QSize size : {QSize(8, 8), QSize(10, 10), QSize(16, 16), QSize(32, 32)}) {
        EXPECT_EQ(icon.actualSize(size), expected.actualSize(size));
        EXPECT_EQ(Pixels(icon, size), Pixels(expected, size));
        EXPECT_EQ(Pixels(icon, size, QIcon::Disabled), Pixels(expected, size, QIcon::Disabled));
      }
    }
  }
}

}  // namespace
}  // namespace solvane::testing
