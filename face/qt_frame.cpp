#include "face/qt_frame.h"

#include <QColor>
#include <QPainter>
#include <algorithm>
#include <cstddef>
#include <span>
#include <vector>

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

namespace {

qint64 AreaOf(const QRect& rect) { return qint64{rect.width()} * rect.height(); }

// Whether the two rectangles fill enough of their bounding box to be
// composed as that box.
bool MostlyCoverTheirBox(const QRect& a, const QRect& b) {
  const qint64 covered = AreaOf(a) + AreaOf(b) - AreaOf(a.intersected(b));
  return covered * kBoundingBoxCoverageDenominator >=
         AreaOf(a.united(b)) * kBoundingBoxCoverageNumerator;
}

}  // namespace

QRegion RegionOf(const std::vector<TextRect>& areas) {
  // A region of several rectangles is composed pass by pass, and a painter
  // clipped to it copies span by span (Qt hands long span lists to its
  // thread pool). Rectangles that fill most of their bounding box, as a page
  // turn's rows and the play time do, or two neighbouring rows, are cheaper
  // as the box: one pass and one block copy, for a few pixels composed again
  // unchanged. Areas far apart, such as a row and the seek knob, stay apart.
  std::vector<QRect> rects;
  for (const TextRect& area : areas) {
    const QRect rect(area.left, area.top, area.right - area.left, area.bottom - area.top);
    if (!rect.isEmpty()) {
      rects.push_back(rect);
    }
  }
  for (std::size_t i = 0; i < rects.size(); ++i) {
    for (std::size_t j = i + 1; j < rects.size(); ++j) {
      if (MostlyCoverTheirBox(rects[i], rects[j])) {
        rects[i] = rects[i].united(rects[j]);
        rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
        j = i;  // the grown box may now take rectangles it passed over
      }
    }
  }
  QRegion region;
  for (const QRect& rect : rects) {
    region += rect;
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
  if (lines.empty()) {
    // The next line only moves the highlight. The ink readied for this page
    // stays: its rows are drawn again as the highlight passes them.
    return;
  }
  const std::span<const LineAhead> ahead(lines);
  const std::size_t inked = std::min(ahead.size(), kLinesInkedAhead);
  fonts.ReadyInkFor(ahead.first(inked));
  for (const LineAhead& line : ahead.subspan(inked)) {
    fonts.ShapedLine(line.text, line.style);
  }
}

}  // namespace solvane
