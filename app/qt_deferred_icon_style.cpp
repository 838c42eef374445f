#include "app/qt_deferred_icon_style.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

#include <optional>
#include <utility>

namespace solvane {

namespace {

// Stands for a style's standard icon until it is first needed, then is that
// icon in every respect.
class DeferredIconEngine final : public QIconEngine {
 public:
  DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap which,
                     Qt::LayoutDirection direction)
      : style_(style), which_(which), direction_(direction) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, 1.0, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }
  QString iconName() override { return Icon().name(); }
  bool isNull() override { return Icon().isNull(); }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return Icon().pixmap(size / scale, scale, mode, state);
  }
  QString key() const override { return QStringLiteral("SolvaneDeferredIcon"); }
  QIconEngine* clone() const override {
    auto* copy = new DeferredIconEngine(style_, which_, direction_);
    copy->icon_ = icon_;
    return copy;
  }

 private:
  const QIcon& Icon() {
    if (!icon_) {
      QStyleOption option;
      option.direction = direction_;
      icon_ = style_ != nullptr ? style_->standardIcon(which_, &option) : QIcon();
    }
    return *icon_;
  }

  QPointer<const QStyle> style_;
  QStyle::StandardPixmap which_;
  Qt::LayoutDirection direction_;
  std::optional<QIcon> icon_;
};

}  // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
  if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton) {
    return QProxyStyle::standardIcon(icon, option, widget);
  }
  const Qt::LayoutDirection direction =
      option != nullptr ? option->direction : QGuiApplication::layoutDirection();
  return QIcon(new DeferredIconEngine(baseStyle(), icon, direction));
}

}  // namespace solvane
