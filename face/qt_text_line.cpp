#include "face/qt_text_line.h"

#include <QColor>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>

namespace solvane {

namespace {

constexpr int kFractions = 64;

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

// A glyph's pen position split into its pixel and the fraction of a pixel,
// in 64ths, past it. Qt keeps positions in 64ths; anything else is refused.
struct PixelPosition {
  int pixel;
  int fraction;
};

std::optional<PixelPosition> Split(double position) {
  const double sixtyFourths = position * kFractions;
  if (!(std::abs(sixtyFourths) < 1e9) || sixtyFourths != std::floor(sixtyFourths)) {
    return std::nullopt;
  }
  const auto whole = static_cast<long long>(sixtyFourths);
  const long long pixel = (whole >= 0 ? whole : whole - (kFractions - 1)) / kFractions;
  return PixelPosition{static_cast<int>(pixel), static_cast<int>(whole - pixel * kFractions)};
}

}  // namespace

std::optional<QtBlendedGlyphs> QtTextLine::Blended(QtGlyphMasks& masks) const {
  QtBlendedGlyphs blended;
  for (const QGlyphRun& run : runs_) {
    if (run.overline() || run.underline() || run.strikeOut()) {
      return std::nullopt;
    }
    const QRawFont font = run.rawFont();
    const QList<quint32> indexes = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    if (indexes.size() != positions.size()) {
      return std::nullopt;
    }
    for (qsizetype k = 0; k < indexes.size(); ++k) {
      const std::optional<PixelPosition> x = Split(positions[k].x());
      const std::optional<PixelPosition> y = Split(positions[k].y());
      const GlyphMask* mask =
          x && y ? masks.Find(font, indexes[k], x->fraction, y->fraction) : nullptr;
      if (mask == nullptr) {
        return std::nullopt;
      }
      blended.Add(*mask, x->pixel + mask->left, y->pixel + mask->top);
    }
  }
  blended.Seal();
  return blended;
}

const QImage& QtTextLine::ImageIn(QRgb colour) {
  for (const auto& [drawnIn, image] : images_) {
    if (drawnIn == colour) {
      return image;
    }
  }
  QImage image(extent_.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setPen(QColor::fromRgb(colour));
  for (const QGlyphRun& run : runs_) {
    painter.drawGlyphRun(QPointF(-extent_.left(), -extent_.top()), run);
  }
  painter.end();
  return images_.emplace_back(colour, std::move(image)).second;
}

void QtTextLine::Draw(QtTextSurface& surface, QPoint origin, const QRect& clip, QRgb colour) {
  const QRect area = clip.intersected(surface.bounds);
  if (area.isEmpty()) {
    return;
  }
  if (blended_ && surface.pixels != nullptr) {
    blended_->Draw(surface.pixels, surface.pixelsPerRow, origin, area, colour);
    return;
  }
  const QImage& image = ImageIn(colour);
  surface.painter.drawImage(area.topLeft(), image, area.translated(-(origin + extent_.topLeft())));
}

QtTextLine ShapeTextLine(std::u16string_view text, const QFont& font, QtGlyphMasks& masks) {
  QTextLayout layout(SingleLine(text), font);
  layout.setCacheEnabled(true);  // keeps the shaping for glyphRuns()
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();

  QtTextLine shaped;
  const double width = line.isValid() ? line.naturalTextWidth() : 0.0;
  const double height = line.isValid() ? line.height() : 0.0;
  const int margin = std::max(2, font.pixelSize() / 4);
  shaped.advance_ = static_cast<int>(std::lround(width));
  shaped.extent_ = QRect(-margin, 0, static_cast<int>(std::ceil(width)) + 2 * margin,
                         static_cast<int>(std::ceil(height)) + margin);
  shaped.runs_ = layout.glyphRuns();
  shaped.blended_ = shaped.Blended(masks);
  return shaped;
}

}  // namespace solvane
