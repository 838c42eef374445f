#include "app/qt_application_icon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QString>

#include <algorithm>
#include <iterator>

#include "resources/resource_paths.h"

namespace solvane {

namespace {

// One square file per size. A size without a file of its own is drawn from
// the next larger file, scaled down, or from the largest; modes other than
// Normal are derived from that pixmap as Qt derives them.
class FileIconEngine final : public QIconEngine {
 public:
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = FileSideFor(size);
    QSize actual(side, side);
    if (actual.width() > size.width() || actual.height() > size.height()) {
      actual.scale(size, Qt::KeepAspectRatio);
    }
    return actual;
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QImageReader reader(PathOf(FileSideFor(size)), "png");
    reader.setAutoDetectImageFormat(false);
    QPixmap pixmap = QPixmap::fromImage(reader.read());
    const QSize actual = actualSize(size, mode, state);
    if (!pixmap.isNull() && pixmap.size() != actual) {
      pixmap = pixmap.scaled(actual, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    if (mode == QIcon::Normal || pixmap.isNull()) {
      return pixmap;
    }
    return QIcon(pixmap).pixmap(actual, mode, state);
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const QPaintDevice* device = painter->device();
    const qreal ratio = device != nullptr ? device->devicePixelRatio() : qApp->devicePixelRatio();
    painter->drawPixmap(rect, pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state));
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (const int side : kApplicationIconSizes) {
      sizes.push_back(QSize(side, side));
    }
    return sizes;
  }

  QIconEngine* clone() const override { return new FileIconEngine; }
  QString key() const override { return QStringLiteral("SolvaneFileIcon"); }

 private:
  static QString PathOf(int side) { return QString::fromLatin1(kApplicationIconResource).arg(side); }

  // The smallest file of at least the area of `size`, else the largest: the
  // file Qt's own icon engine would choose.
  static int FileSideFor(const QSize& size) {
    const qint64 wanted = qint64{size.width()} * size.height();
    const auto* found = std::find_if(std::begin(kApplicationIconSizes),
                                     std::end(kApplicationIconSizes),
                                     [wanted](int side) { return qint64{side} * side >= wanted; });
    return found != std::end(kApplicationIconSizes) ? *found : std::end(kApplicationIconSizes)[-1];
  }
};

}  // namespace

QIcon ApplicationIcon() { return QIcon(new FileIconEngine); }

}  // namespace solvane
