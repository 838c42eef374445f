#include "face/qt_text_line.h"

#include <QColor>
#include <QPointF>
#include <QString>
#include <QTextLayout>
#include <QTextOption>
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

void QtTextLine::Draw(QPainter& painter, QPoint baseline, const QRect& clip, QRgb colour) const {
  if (clip.isEmpty() || runs_.isEmpty()) {
    return;
  }
  painter.save();  // keeps the clip the painter already has, such as a paint's region
  painter.setClipRect(clip, Qt::IntersectClip);
  painter.setPen(QColor::fromRgb(colour));
  // The runs' positions are relative to the top of the layout.
  const QPointF origin(baseline.x(), baseline.y() - ascent_);
  for (const QGlyphRun& run : runs_) {
    painter.drawGlyphRun(origin, run);
  }
  painter.restore();
}

QtTextLine ShapeTextLine(std::u16string_view text, const QFont& font) {
  QTextLayout layout(SingleLine(text), font);
  layout.setCacheEnabled(true);  // keeps the shaping for glyphRuns()
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();

  QtTextLine shaped;
  if (line.isValid()) {
    shaped.advance_ = static_cast<int>(std::ceil(line.naturalTextWidth()));
    shaped.ascent_ = line.ascent();
    shaped.runs_ = layout.glyphRuns();
  }
  return shaped;
}

}  // namespace solvane
