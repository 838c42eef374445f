#include "face/qt_text_line.h"

#include <QColor>
#include <QPainter>
#include <QString>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>

namespace solvane {

namespace {

bool IsLineBreak(char16_t unit) {
  return unit == u'\n' || unit == u'\r' || unit == u'\u2028' || unit == u'\u2029';
}

QString SingleLine(std::u16string_view text) {
  QString line = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
  for (QChar& character : line) {
    if (IsLineBreak(character.unicode())) {
      character = QLatin1Char(' ');
    }
  }
  return line;
}

}  // namespace

QtTextLine RenderTextLine(std::u16string_view text, const QFont& font, const Rgb& colour) {
  QTextLayout layout(SingleLine(text), font);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();

  QtTextLine drawn;
  const double width = line.isValid() ? line.naturalTextWidth() : 0.0;
  const double height = line.isValid() ? line.height() : 0.0;
  drawn.advance = static_cast<int>(std::lround(width));
  drawn.margin = std::max(2, font.pixelSize() / 4);
  drawn.image = QImage(static_cast<int>(std::ceil(width)) + 2 * drawn.margin,
                       static_cast<int>(std::ceil(height)) + drawn.margin,
                       QImage::Format_ARGB32_Premultiplied);
  drawn.image.fill(Qt::transparent);
  QPainter painter(&drawn.image);
  painter.setPen(QColor(colour.red, colour.green, colour.blue));
  layout.draw(&painter, QPointF(drawn.margin, 0.0));
  return drawn;
}

}  // namespace solvane
