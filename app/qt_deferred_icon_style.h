#pragma once
// The desktop's widget style, with the icons of the menu bar's overflow
// button made only when they are drawn. The bar asks for them when it is
// made, and reading them from their files loads every image-format plugin
// to probe them with; the button shows only when the menus do not fit.

#include <QProxyStyle>

namespace solvane {

class DeferredIconStyle final : public QProxyStyle {
 public:
  // Takes `base`, the style drawn with; a null base is the desktop's.
  explicit DeferredIconStyle(QStyle* base = nullptr) : QProxyStyle(base) {}

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace solvane
