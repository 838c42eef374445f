#include "face/qt_text_line.h"

#include <QColor>
#include <QRawFont>
#include <QString>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>
#include <utility>

namespace solvane {

namespace {

// Pixels added around the glyphs' metric boxes: antialiasing and hinting
// may put ink a pixel or so outside them.
constexpr int kInkMargin = 2;

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

// The glyphs' own boxes around the pen's start on the baseline, widened to
// whole pixels and the margin. (A run's boundingRect from a layout is the
// line's logical height, which accents above capitals may pass.)
QRect InkBoxOf(const QList<QGlyphRun>& runs, double ascent) {
  QRectF box;
  for (const QGlyphRun& run : runs) {
    const QRawFont font = run.rawFont();
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < std::min(glyphs.size(), positions.size()); ++i) {
      const QRectF glyph = font.boundingRect(glyphs[i]).translated(positions[i]);
      if (!glyph.isEmpty()) {
        box |= glyph;
      }
    }
  }
  if (box.isEmpty()) {
    return {};
  }
  box.translate(0.0, -ascent);
  const int left = static_cast<int>(std::floor(box.left())) - kInkMargin;
  const int top = static_cast<int>(std::floor(box.top())) - kInkMargin;
  const int right = static_cast<int>(std::ceil(box.right())) + kInkMargin;
  const int bottom = static_cast<int>(std::ceil(box.bottom())) + kInkMargin;
  return {QPoint(left, top), QPoint(right - 1, bottom - 1)};
}

}  // namespace

QRect QtTextLine::InkBox() {
  if (!inkBox_) {
    inkBox_ = InkBoxOf(runs_, ascent_);
  }
  return *inkBox_;
}

void QtTextLine::Draw(QPainter& painter, QPoint baseline, const QRect& clip, QRgb colour) {
  if (clip.isEmpty() || runs_.isEmpty()) {
    return;
  }
  if (const QImage* ink = KeptInk(colour)) {
    const QRect box = InkBox();
    const QRect target = box.translated(baseline) & clip;
    if (!target.isEmpty()) {
      painter.drawImage(target.topLeft(), *ink,
                        target.translated(-baseline - box.topLeft()));
    }
    return;
  }
  painter.save();  // keeps a clip the painter already has, such as a damaged region
  painter.setClipRect(clip, Qt::IntersectClip);
  DrawGlyphs(painter, QPointF(baseline.x(), baseline.y() - ascent_), colour);
  painter.restore();
}

bool QtTextLine::KeepsInkIn(QRgb colour) const {
  return std::any_of(inks_.begin(), inks_.end(), [colour](const ColouredInk& ink) {
    return !ink.image.isNull() && ink.colour == colour;
  });
}

void QtTextLine::KeepInkOnlyIn(std::span<const QRgb> colours) {
  for (ColouredInk& ink : inks_) {
    if (std::find(colours.begin(), colours.end(), ink.colour) == colours.end()) {
      ink = {};
    }
  }
}

qsizetype QtTextLine::InkBytes() const {
  return inks_[0].image.sizeInBytes() + inks_[1].image.sizeInBytes();
}

const QImage* QtTextLine::KeptInk(QRgb colour) {
  if (!KeepsInkIn(colour)) {
    return nullptr;
  }
  if (inks_[0].image.isNull() || inks_[0].colour != colour) {
    std::swap(inks_[0], inks_[1]);
  }
  return &inks_[0].image;
}

void QtTextLine::PrepareInk(QRgb colour) {
  if (KeptInk(colour) != nullptr) {
    return;
  }
  const QRect box = InkBox();
  if (box.isEmpty() || static_cast<qint64>(box.width()) * box.height() > kLargestInkImagePixels) {
    return;
  }
  QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  // Whole-pixel offsets keep each glyph at the same place within its pixel
  // as when drawn straight onto the frame.
  DrawGlyphs(painter, QPointF(-box.left(), -box.top() - ascent_), colour);
  painter.end();
  // The colour used less recently gives way.
  inks_[1] = {colour, std::move(image)};
  std::swap(inks_[0], inks_[1]);
}

void QtTextLine::DrawGlyphs(QPainter& painter, QPointF origin, QRgb colour) const {
  painter.setPen(QColor::fromRgb(colour));
  // The runs' positions are relative to the top of the layout.
  for (const QGlyphRun& run : runs_) {
    painter.drawGlyphRun(origin, run);
  }
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
