#include "face/qt_frame.h"

#include <QColor>
#include <QPainter>
#include <algorithm>
#include <span>

#include "face/lyric_area.h"
#include "face/qt_canvas.h"

namespace solvane {

void PaintFrame(const FaceFrame& frame, QImage& image, QtFontCache& fonts,
                const QRegion& damaged) {
  const QSize size(frame.layout.screenWidth, frame.layout.clientHeight);
  bool whole = false;
  if (image.size() != size || image.format() != QImage::Format_RGB32) {
    image = QImage(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    whole = true;
  }
  QtCanvas canvas(image, fonts);
  if (whole) {
    ComposeFrame(canvas, frame);
    return;
  }
  // Rectangle by rectangle: drawing under a plain rectangular clip takes
  // QPainter's fast paths, and steps outside the rectangle are skipped.
  for (const QRect& rect : damaged) {
    canvas.ClipTo(rect);
    ComposeFrame(canvas, frame);
  }
}

void PaintFrameOnto(const FaceFrame& frame, QImage& target, QtFontCache& fonts,
                    const QRegion& damaged) {
  const QRegion area =
      damaged & QRect(0, 0, frame.layout.screenWidth, frame.layout.clientHeight) & target.rect();
  if (area.isEmpty()) {
    return;
  }
  {
    QPainter blank(&target);
    for (const QRect& rect : area) {
      blank.fillRect(rect, Qt::black);
    }
  }
  QtCanvas canvas(target, fonts);
  for (const QRect& rect : area) {
    canvas.ClipTo(rect);
    ComposeFrame(canvas, frame);
  }
}

QRegion RegionOf(const std::vector<TextRect>& areas) {
  QRegion region;
  for (const TextRect& area : areas) {
    region += QRect(area.left, area.top, area.right - area.left, area.bottom - area.top);
  }
  if (region.rectCount() <= 1) {
    return region;
  }
  // A region of several rectangles is composed pass by pass, and a painter
  // clipped to it copies span by span (Qt hands long span lists to its
  // thread pool). When the rectangles fill most of their bounding box, as a
  // page turn's rows and the play time do, the box is cheaper: one pass and
  // one block copy, for a few pixels composed again unchanged.
  qint64 covered = 0;
  for (const QRect& rect : region) {
    covered += qint64{rect.width()} * rect.height();
  }
  const QRect box = region.boundingRect();
  const qint64 boxArea = qint64{box.width()} * box.height();
  if (covered * kBoundingBoxCoverageDenominator >= boxArea * kBoundingBoxCoverageNumerator) {
    return QRegion(box);
  }
  return region;
}

void CopyRegion(QPainter& painter, const QImage& frame, const QRegion& region) {
  painter.save();
  for (const QRect& rect : region) {
    painter.setClipRect(rect);
    painter.drawImage(rect.topLeft(), frame, rect);
  }
  painter.restore();
}

void PaintFrame(const FaceFrame& frame, QImage& image, QtFontCache& fonts) {
  const QSize size(frame.layout.screenWidth, frame.layout.clientHeight);
  PaintFrame(frame, image, fonts, QRegion(QRect(QPoint(0, 0), size)));
}

void PrepareLinesAhead(const FaceFrame& frame, QtFontCache& fonts) {
  const std::vector<LineAhead> lines = LyricAreaLinesAhead(
      {frame.layout, frame.player, frame.lyrics, frame.trackInfo, frame.startScreen});
  const std::span<const LineAhead> ahead(lines);
  const std::size_t inked = std::min(ahead.size(), kLinesInkedAhead);
  fonts.ReadyInkFor(ahead.first(inked));
  for (const LineAhead& line : ahead.subspan(inked)) {
    fonts.ShapedLine(line.text, line.style);
  }
}

}  // namespace solvane
