#include "face/qt_glyph_masks.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <algorithm>
#include <cmath>

#include "face/qt_glyph_blend.h"

namespace solvane {

namespace {

constexpr int kFractions = 64;
constexpr QRgb kProbeColour = 0xff5a9bd3;
// Room around the glyph's outline for what its drawing reaches past it; a
// glyph that still reaches the edge is taken again with twice the room.
constexpr int kFirstPadding = 4;
constexpr int kTakes = 3;
// Glyphs larger than this, or reaching further from their pen position, are
// left to the painter.
constexpr double kLargestOutline = 1024.0;

// A background where neighbouring pixels differ in every channel, so that a
// blend that is off anywhere shows.
QRgb ProbeBackground(int x, int y) {
  return qRgb((x * 37 + y * 11) & 0xff, (x * 13 + y * 71) & 0xff, (x * 101 + y * 29) & 0xff);
}

// Where a glyph is drawn in one of the two cells of the scratch image.
struct Cell {
  int width = 0;
  int height = 0;
  int originX = 0;  // the pixel of the pen position
  int originY = 0;
};

Cell CellFor(const QRectF& outline, int padding) {
  Cell cell;
  cell.width = static_cast<int>(std::ceil(outline.width())) + 2 * padding + 1;
  cell.height = static_cast<int>(std::ceil(outline.height())) + 2 * padding + 1;
  cell.originX = padding - static_cast<int>(std::floor(outline.left()));
  cell.originY = padding - static_cast<int>(std::floor(outline.top()));
  return cell;
}

// Draws the glyph in white on black in the left cell, and in the probe colour
// over the probe background in the right one.
QImage DrawBothCells(const QRawFont& font, std::uint32_t glyph, QPointF fraction,
                     const Cell& cell) {
  QImage image(2 * cell.width, cell.height, QImage::Format_RGB32);
  if (image.isNull()) {
    return image;
  }
  for (int y = 0; y < cell.height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    std::fill(row, row + cell.width, qRgb(0, 0, 0));
    for (int x = cell.width; x < 2 * cell.width; ++x) {
      row[x] = ProbeBackground(x, y);
    }
  }
  QGlyphRun run;
  run.setRawFont(font);
  run.setGlyphIndexes({glyph});
  run.setPositions({QPointF(0.0, 0.0)});
  const QPointF pen = QPointF(cell.originX, cell.originY) + fraction;
  QPainter painter(&image);
  painter.setPen(QColor(Qt::white));
  painter.drawGlyphRun(pen, run);
  painter.setPen(QColor::fromRgb(kProbeColour));
  painter.drawGlyphRun(pen + QPointF(cell.width, 0.0), run);
  return image;
}

enum class Outcome { kMask, kTooSmall, kNotAMask };

// Reads the left cell as a coverage mask: every pixel must be a grey.
Outcome ReadMask(const QImage& image, const Cell& cell, GlyphMask& mask) {
  int left = cell.width, right = -1, top = cell.height, bottom = -1;
  for (int y = 0; y < cell.height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < cell.width; ++x) {
      const QRgb pixel = row[x];
      if (qRed(pixel) != qBlue(pixel) || qGreen(pixel) != qBlue(pixel)) {
        return Outcome::kNotAMask;
      }
      if (qBlue(pixel) != 0) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  mask = GlyphMask();
  if (right < 0) {
    return Outcome::kMask;
  }
  if (left == 0 || top == 0 || right == cell.width - 1 || bottom == cell.height - 1) {
    return Outcome::kTooSmall;
  }
  mask.left = left - cell.originX;
  mask.top = top - cell.originY;
  mask.width = right - left + 1;
  mask.height = bottom - top + 1;
  mask.stride = (mask.width + kCoverageBlock - 1) / kCoverageBlock * kCoverageBlock;
  mask.coverage.assign(static_cast<std::size_t>(mask.stride) * mask.height, 0);
  for (int y = 0; y < mask.height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(top + y));
    for (int x = 0; x < mask.width; ++x) {
      mask.coverage[static_cast<std::size_t>(y * mask.stride + x)] =
          static_cast<std::uint8_t>(qBlue(row[left + x]));
    }
  }
  return Outcome::kMask;
}

// Whether blending the mask in the probe colour gives the right cell exactly.
bool BlendsLikeQt(const QImage& image, const Cell& cell, const GlyphMask& mask) {
  std::vector<std::uint32_t> expected(static_cast<std::size_t>(cell.width));
  for (int y = 0; y < cell.height; ++y) {
    for (int x = 0; x < cell.width; ++x) {
      expected[static_cast<std::size_t>(x)] = ProbeBackground(cell.width + x, y);
    }
    const int maskRow = y - cell.originY - mask.top;
    if (maskRow >= 0 && maskRow < mask.height) {
      const CoverageRect row{mask.coverage.data() + maskRow * mask.stride, mask.stride, mask.width,
                             1};
      BlendCoverage(expected.data() + cell.originX + mask.left, 0, row, kProbeColour);
    }
    const auto* drawn = reinterpret_cast<const QRgb*>(image.constScanLine(y)) + cell.width;
    if (!std::equal(expected.begin(), expected.end(), drawn)) {
      return false;
    }
  }
  return true;
}

}  // namespace

QtGlyphMasks::QtGlyphMasks() = default;
QtGlyphMasks::~QtGlyphMasks() = default;

const GlyphMask* QtGlyphMasks::Find(const QRawFont& font, std::uint32_t glyph, int xFraction,
                                    int yFraction) {
  if (xFraction < 0 || xFraction >= kFractions || yFraction < 0 || yFraction >= kFractions) {
    return nullptr;
  }
  if (lastMasks_ == nullptr || !(font == lastFont_)) {
    lastMasks_ = &fonts_[font];
    lastFont_ = font;
  }
  const std::uint64_t key =
      (std::uint64_t{glyph} << 12) | static_cast<std::uint64_t>(xFraction * kFractions + yFraction);
  auto found = lastMasks_->find(key);
  if (found == lastMasks_->end()) {
    std::unique_ptr<GlyphMask> mask = Take(font, glyph, xFraction, yFraction);
    bytes_ += sizeof(key) + sizeof(GlyphMask) + (mask ? mask->coverage.size() : 0);
    found = lastMasks_->emplace(key, std::move(mask)).first;
  }
  return found->second.get();
}

std::unique_ptr<GlyphMask> QtGlyphMasks::Take(const QRawFont& font, std::uint32_t glyph,
                                              int xFraction, int yFraction) {
  const QRectF outline = font.boundingRect(glyph);
  if (!(std::abs(outline.left()) < kLargestOutline && std::abs(outline.top()) < kLargestOutline &&
        outline.width() < kLargestOutline && outline.height() < kLargestOutline)) {
    return nullptr;
  }
  const QPointF fraction(static_cast<double>(xFraction) / kFractions,
                         static_cast<double>(yFraction) / kFractions);
  int padding = kFirstPadding + static_cast<int>(font.pixelSize()) / 4;
  for (int take = 0; take < kTakes; ++take, padding *= 2) {
    const Cell cell = CellFor(outline, padding);
    const QImage image = DrawBothCells(font, glyph, fraction, cell);
    if (image.isNull()) {
      return nullptr;
    }
    auto mask = std::make_unique<GlyphMask>();
    switch (ReadMask(image, cell, *mask)) {
      case Outcome::kMask:
        return BlendsLikeQt(image, cell, *mask) ? std::move(mask) : nullptr;
      case Outcome::kNotAMask:
        return nullptr;
      case Outcome::kTooSmall:
        break;
    }
  }
  return nullptr;
}

void QtGlyphMasks::Clear() {
  fonts_.clear();
  lastFont_ = QRawFont();
  lastMasks_ = nullptr;
  bytes_ = 0;
}

}  // namespace solvane
