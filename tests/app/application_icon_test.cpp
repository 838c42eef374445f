#include "app/qt_application_icon.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

#include "resources/resource_paths.h"
#include "tests/app/qt_test_support.h"

namespace solvane::testing {
namespace {

const auto* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

// The icon as Qt's own engine holds it: every file decoded up front.
QIcon HeldIcon() {
  QIcon icon;
  for (const int size : kApplicationIconSizes) {
    icon.addFile(QString::fromLatin1(kApplicationIconResource).arg(size), QSize(size, size));
  }
  return icon;
}

QImage Pixels(const QPixmap& pixmap) {
  return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Read on demand, the icon offers the same sizes and gives the same pixels as
// the icon held decoded: at its own sizes (what the window system takes),
// between them, past the largest, not square, and in every mode.
TEST(ApplicationIconTest, GivesThePixelsOfTheIconHeldDecoded) {
  const QIcon held = HeldIcon();
  const QIcon icon = ApplicationIcon();
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.availableSizes(), held.availableSizes());
  const QSize sizes[] = {{16, 16}, {22, 22}, {256, 256}, {8, 8},   {20, 20},
                         {40, 40}, {100, 100}, {300, 300}, {10, 40}, {64, 20}};
  for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
    for (const QSize& size : sizes) {
      SCOPED_TRACE(::testing::Message() << size.width() << "x" << size.height() << " mode " << mode);
      EXPECT_EQ(icon.actualSize(size, mode), held.actualSize(size, mode));
      const QPixmap pixmap = icon.pixmap(size, mode);
      ASSERT_FALSE(pixmap.isNull());
      EXPECT_EQ(Pixels(pixmap), Pixels(held.pixmap(size, mode)));
    }
  }
}

TEST(ApplicationIconTest, PaintsAsTheIconHeldDecoded) {
  const auto painted = [](const QIcon& icon) {
    QImage image(70, 50, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, QRect(3, 5, 60, 40));
    icon.paint(&painter, QRect(0, 0, 12, 12), Qt::AlignCenter, QIcon::Disabled);
    return image;
  };
  EXPECT_EQ(painted(ApplicationIcon()), painted(HeldIcon()));
}

}  // namespace
}  // namespace solvane::testing
