#include "face/qt_blended_glyphs.h"

#include <algorithm>
#include <numeric>

#include "face/qt_glyph_blend.h"

namespace solvane {

namespace {

QRect BoxOf(const GlyphMask& mask, int left, int top) {
  return QRect(left, top, mask.width, mask.height);
}

bool RowMajor(const QPoint& a, const QPoint& b) {
  return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
}

}  // namespace

void QtBlendedGlyphs::Add(const GlyphMask& mask, int left, int top) {
  if (mask.width > 0 && mask.height > 0) {
    placements_.push_back({&mask, left, top});
  }
}

std::uint8_t QtBlendedGlyphs::CoverageAt(const Placement& glyph, int x, int y) {
  const GlyphMask& mask = *glyph.mask;
  const int column = x - glyph.left;
  const int row = y - glyph.top;
  if (column < 0 || row < 0 || column >= mask.width || row >= mask.height) {
    return 0;
  }
  return mask.coverage[static_cast<std::size_t>(row * mask.stride + column)];
}

void QtBlendedGlyphs::FindSharedPixels(std::vector<QPoint>& pixels) const {
  // Glyphs by their left edge, so that each is only held against the ones
  // starting before it ends.
  std::vector<std::size_t> byLeft(placements_.size());
  std::iota(byLeft.begin(), byLeft.end(), std::size_t{0});
  std::sort(byLeft.begin(), byLeft.end(), [this](std::size_t a, std::size_t b) {
    return placements_[a].left < placements_[b].left;
  });
  for (std::size_t i = 0; i < byLeft.size(); ++i) {
    const Placement& first = placements_[byLeft[i]];
    const QRect firstBox = BoxOf(*first.mask, first.left, first.top);
    for (std::size_t j = i + 1; j < byLeft.size(); ++j) {
      const Placement& second = placements_[byLeft[j]];
      if (second.left > firstBox.right()) {
        break;
      }
      const QRect both = firstBox.intersected(BoxOf(*second.mask, second.left, second.top));
      for (int y = both.top(); y <= both.bottom(); ++y) {
        for (int x = both.left(); x <= both.right(); ++x) {
          if (CoverageAt(first, x, y) != 0 && CoverageAt(second, x, y) != 0) {
            pixels.emplace_back(x, y);
          }
        }
      }
    }
  }
  std::sort(pixels.begin(), pixels.end(), RowMajor);
  pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
}

void QtBlendedGlyphs::TakeOutOfMasks(const std::vector<QPoint>& pixels) {
  for (Placement& glyph : placements_) {
    GlyphMask* own = nullptr;
    for (const QPoint& pixel : pixels) {
      if (CoverageAt(glyph, pixel.x(), pixel.y()) == 0) {
        continue;
      }
      if (own == nullptr) {
        own = &ownMasks_.emplace_back(*glyph.mask);
      }
      own->coverage[static_cast<std::size_t>((pixel.y() - glyph.top) * own->stride + pixel.x() -
                                             glyph.left)] = 0;
    }
    if (own != nullptr) {
      glyph.mask = own;
    }
  }
}

void QtBlendedGlyphs::Seal() {
  std::vector<QPoint> pixels;
  FindSharedPixels(pixels);
  for (const QPoint& pixel : pixels) {
    SharedPixel shared{pixel.x(), pixel.y(), coverages_.size(), 0};
    for (const Placement& glyph : placements_) {
      const std::uint8_t coverage = CoverageAt(glyph, pixel.x(), pixel.y());
      if (coverage != 0) {
        coverages_.push_back(coverage);
        ++shared.count;
      }
    }
    shared_.push_back(shared);
  }
  TakeOutOfMasks(pixels);
}

void QtBlendedGlyphs::Draw(std::uint32_t* pixels, std::ptrdiff_t pixelsPerRow, QPoint origin,
                           const QRect& clip, QRgb colour) const {
  // The padding columns of a mask row have no coverage, so blending them too
  // changes nothing and keeps the rows in whole blocks.
  for (const Placement& glyph : placements_) {
    const GlyphMask& mask = *glyph.mask;
    const QPoint at = origin + QPoint(glyph.left, glyph.top);
    const int left = std::max(at.x(), clip.left());
    const int right = std::min(at.x() + mask.stride, clip.right() + 1);
    const int top = std::max(at.y(), clip.top());
    const int bottom = std::min(at.y() + mask.height, clip.bottom() + 1);
    if (left >= right || top >= bottom) {
      continue;
    }
    const CoverageRect coverage{
        mask.coverage.data() + (top - at.y()) * mask.stride + (left - at.x()), mask.stride,
        right - left, bottom - top};
    BlendCoverage(pixels + top * pixelsPerRow + left, pixelsPerRow, coverage, colour);
  }
  // Each shared pixel as the line's own image would hold it, composited.
  for (const SharedPixel& shared : shared_) {
    const QPoint at = origin + QPoint(shared.x, shared.y);
    if (!clip.contains(at)) {
      continue;
    }
    std::uint32_t source = 0;
    for (std::size_t k = shared.first; k < shared.first + shared.count; ++k) {
      source = BlendCoverage(source, colour, coverages_[k]);
    }
    std::uint32_t& pixel = pixels[at.y() * pixelsPerRow + at.x()];
    pixel = source + MultiplyChannels(pixel, 255 - (source >> 24));
  }
}

}  // namespace solvane
