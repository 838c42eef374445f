#include "views/soft_key_bar.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "skin/dialogs/full_screen_dialog.h"

namespace solvane {

namespace {

constexpr int kTextMargin = 4;  // x scale, as the top strip's

// What a key `room` pixels wide for its text shows: the whole text when it
// fits; else the text without its trailing blanks, which show nothing anyway;
// else that, elided at its end.
QString ShownText(const QFontMetrics& metrics, const QString& text, int room) {
  if (metrics.horizontalAdvance(text) <= room) {
    return text;
  }
  qsizetype visible = text.size();
  while (visible > 0 && text[visible - 1].isSpace()) {
    --visible;
  }
  const QString trimmed = text.left(visible);
  if (metrics.horizontalAdvance(trimmed) <= room) {
    return trimmed;
  }
  return metrics.elidedText(trimmed, Qt::ElideRight, room);
}

}  // namespace

// A flat bar button that knows how wide it must be to show its text, and
// elides the text it draws rather than letting the edges cut it. Its text
// keeps `margin` pixels from both ends of the label area, as the top strip's
// caption and button keep from the strip's ends.
class SoftKeyButton final : public QPushButton {
 public:
  SoftKeyButton(const QString& text, int margin, QWidget* parent)
      : QPushButton(text, parent), margin_(margin) {}

  // The key's width that shows its whole text in `font`: the text's advance,
  // the margins and the style's frame around the label.
  int WidthFor(const QFont& font) const {
    return QFontMetrics(font).horizontalAdvance(text()) + width() - TextRoom();
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = ShownText(fontMetrics(), text(), TextRoom());
    QStylePainter painter(this);
    painter.drawControl(QStyle::CE_PushButton, option);
  }

 private:
  // The width the text may take: the style's label area less the margins.
  int TextRoom() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width() -
           2 * margin_;
  }

  int margin_;
};

SoftKeyBar::SoftKeyBar(QWidget* parent, int scale)
    : QWidget(parent), scale_(scale), row_(new QHBoxLayout(this)) {
  StyleAsBar(this, scale_);
  row_->setContentsMargins(0, 0, 0, 0);
  row_->setSpacing(0);
}

QPushButton* SoftKeyBar::AddKey(const QString& text) {
  auto* key = new SoftKeyButton(text, kTextMargin * scale_, this);
  StyleBarButton(key, scale_);
  // The width a key takes is the least width FitKeys gives it and an equal
  // share of what is left, not what the style would like.
  key->setSizePolicy(QSizePolicy::Ignored, key->sizePolicy().verticalPolicy());
  row_->addWidget(key, 1);
  keys_.append(key);
  FitKeys(width());
  return key;
}

void SoftKeyBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitKeys(event->size().width());
}

int SoftKeyBar::WidthNeeded(const QFont& font) const {
  int needed = 0;
  for (const SoftKeyButton* key : keys_) {
    needed += key->WidthFor(font);
  }
  return needed;
}

void SoftKeyBar::FitKeys(int width) {
  QFont keyFont = font();  // the bar's own, which the keys start with
  const int largest = keyFont.pixelSize();
  const int smallest = (largest * 3 + 3) / 4;
  for (int pixels = largest - 1; pixels >= smallest && WidthNeeded(keyFont) > width; --pixels) {
    keyFont.setPixelSize(pixels);
  }
  const bool textsFit = WidthNeeded(keyFont) <= width;
  for (SoftKeyButton* key : keys_) {
    key->setFont(keyFont);
    // Too narrow even so: the keys share the bar equally and elide.
    key->setMinimumWidth(textsFit ? key->WidthFor(keyFont) : 0);
  }
  // The new least widths take effect now, not at the next layout pass.
  row_->activate();
}

}  // namespace solvane
