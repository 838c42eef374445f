#pragma once
// The glyphs of a line of text as coverage masks to blend straight into the
// frame, giving the very pixels the line would give drawn glyph by glyph into
// a transparent image of its own that is then composited onto the frame.
//
// Where a pixel has one glyph, both ways give the same. Where glyphs overlap
// (kerned pairs, joined scripts, accents) the image sums their coverage
// before compositing, so those pixels are kept apart with their coverages
// and composited as the image would.

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "face/qt_glyph_masks.h"

namespace solvane {

class QtBlendedGlyphs {
 public:
  // Adds a glyph, in drawing order, its mask's top-left pixel at (left, top)
  // relative to the line's origin. The mask must outlive this object.
  void Add(const GlyphMask& mask, int left, int top);

  // Finds the pixels that two or more glyphs cover; call once, after the
  // last Add.
  void Seal();

  // Blends the line into `pixels` (rows `pixelsPerRow` apart, 32-bit
  // premultiplied) with its origin at `origin` and in `colour`, leaving alone
  // what lies outside `clip`, which must lie inside the pixels.
  void Draw(std::uint32_t* pixels, std::ptrdiff_t pixelsPerRow, QPoint origin, const QRect& clip,
            QRgb colour) const;

  std::size_t SharedPixelCount() const { return shared_.size(); }

 private:
  struct Placement {
    const GlyphMask* mask;
    int left;
    int top;
  };
  // A pixel two or more glyphs cover, relative to the origin, with their
  // non-zero coverages in drawing order in coverages_[first, first + count).
  struct SharedPixel {
    int x;
    int y;
    std::size_t first;
    std::size_t count;
  };

  static std::uint8_t CoverageAt(const Placement& glyph, int x, int y);
  void FindSharedPixels(std::vector<QPoint>& pixels) const;
  void TakeOutOfMasks(const std::vector<QPoint>& pixels);

  std::vector<Placement> placements_;
  std::deque<GlyphMask> ownMasks_;  // copies of masks with the shared pixels taken out
  std::vector<SharedPixel> shared_;
  std::vector<std::uint8_t> coverages_;
};

}  // namespace solvane
