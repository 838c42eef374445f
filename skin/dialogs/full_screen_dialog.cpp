#include "skin/dialogs/full_screen_dialog.h"

#include <QColor>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace solvane {

namespace {

constexpr int kStripHeight = 26;       // x scale
constexpr int kStripFontPixels = 13;   // x scale
constexpr int kFallbackWidth = 240;    // x scale
constexpr int kFallbackHeight = 294;   // x scale: a 240 x 320 screen less its top bar
const QColor kStripColour(16, 64, 128);
const QColor kStripTextColour(255, 255, 255);

QFont BarFont(const QWidget* widget, int scale) {
  QFont font = widget->font();
  font.setPixelSize(kStripFontPixels * scale);
  font.setBold(true);
  return font;
}

QPalette BarPalette(QPalette palette) {
  palette.setColor(QPalette::Window, kStripColour);
  palette.setColor(QPalette::WindowText, kStripTextColour);
  palette.setColor(QPalette::Button, kStripColour);
  palette.setColor(QPalette::ButtonText, kStripTextColour);
  return palette;
}

QWidget* MakeStrip(QWidget* parent, QLabel* caption, QPushButton* button, int scale) {
  auto* strip = new QWidget(parent);
  strip->setObjectName("topStrip");
  StyleAsBar(strip, scale);
  caption->setFont(BarFont(strip, scale));
  StyleBarButton(button, scale);

  auto* row = new QHBoxLayout(strip);
  row->setContentsMargins(4 * scale, 0, 4 * scale, 0);
  row->addWidget(caption);
  row->addStretch(1);
  row->addWidget(button);
  return strip;
}

}  // namespace

QFont DialogFont(int pixels, int scale) {
  QFont font("Tahoma");
  font.setPixelSize(pixels * scale);
  return font;
}

DialogBaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters =
      metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return {(letters / 26 + 1) / 2, metrics.height()};
}

void PlaceControl(QWidget* control, const DialogRect& units, DialogBaseUnits base, Growth growth,
                  int areaWidth) {
  const QSize wanted = control->sizeHint();
  DialogRect place = WidenToFit(DialogUnitsToPixels(units, base, 1), wanted.width(), areaWidth, growth);
  place.height = std::max(place.height, wanted.height());
  control->setGeometry(place.x, place.y, place.width, place.height);
}

void StyleAsBar(QWidget* bar, int scale) {
  bar->setFixedHeight(kStripHeight * scale);
  bar->setAutoFillBackground(true);
  bar->setPalette(BarPalette(bar->palette()));
  bar->setFont(BarFont(bar, scale));
}

void StyleBarButton(QPushButton* button, int scale) {
  button->setFlat(true);
  button->setAutoDefault(false);
  button->setPalette(BarPalette(button->palette()));
  button->setFont(BarFont(button, scale));
}

FullScreenDialog::FullScreenDialog(QWidget* mainWindow, const QString& buttonText, int scale)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint),
      scale_(scale),
      caption_(new QLabel(this)),
      topButton_(new QPushButton(buttonText, this)),
      body_(new QWidget(this)) {
  setWindowTitle("Dialog");
  setModal(true);
  caption_->setText(windowTitle());
  topButton_->setObjectName("topButton");
  body_->setObjectName("body");

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(MakeStrip(this, caption_, topButton_, scale));
  column->addWidget(body_, 1);

  connect(topButton_, &QPushButton::clicked, this, &QDialog::accept);

  // The size is fixed, not merely set: a layout would otherwise widen the
  // dialog to its contents' minimum (a soft-key bar's buttons side by side)
  // and let it stick out past a narrow main window.
  if (mainWindow != nullptr) {
    setFixedSize(mainWindow->size());
    move(mainWindow->mapToGlobal(QPoint(0, 0)));
  } else {
    setFixedSize(kFallbackWidth * scale, kFallbackHeight * scale);
  }
}

}  // namespace solvane
