#pragma once
// The coverage masks of glyphs as Qt draws them into an image, taken from Qt
// once per glyph and sub-pixel offset, so that text can be drawn by blending
// them (qt_glyph_blend.h) instead of through QPainter.
//
// A mask is taken by letting QPainter draw the glyph in white on black, and
// it is only used after the same glyph drawn in a colour over a patterned
// background came out exactly as blending the mask gives. Anything Qt draws
// some other way (colour glyphs, outlines, gamma-corrected blending) fails
// that check, and such glyphs are left to QPainter.

#include <QRawFont>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace solvane {

struct GlyphMask {
  // The mask's top-left pixel relative to the pixel that holds the glyph's
  // pen position.
  int left = 0;
  int top = 0;
  int width = 0;  // 0 for a glyph that covers nothing, such as a space
  int height = 0;
  int stride = 0;                      // width rounded up to whole kCoverageBlock blocks
  std::vector<std::uint8_t> coverage;  // height rows of stride bytes
};

class QtGlyphMasks {
 public:
  QtGlyphMasks();
  ~QtGlyphMasks();
  QtGlyphMasks(const QtGlyphMasks&) = delete;
  QtGlyphMasks& operator=(const QtGlyphMasks&) = delete;

  // The mask of `glyph` of `font` for a pen position whose fractional parts
  // are xFraction / 64 and yFraction / 64 of a pixel (0 to 63). Null when the
  // glyph has to be drawn by QPainter. The mask stays valid until Clear.
  const GlyphMask* Find(const QRawFont& font, std::uint32_t glyph, int xFraction, int yFraction);

  // Memory held by the masks, in bytes.
  std::size_t ByteCount() const { return bytes_; }

  void Clear();

 private:
  // A font's masks by glyph and fractions, in one number.
  using GlyphMasks = std::unordered_map<std::uint64_t, std::unique_ptr<GlyphMask>>;
  struct FontHash {
    std::size_t operator()(const QRawFont& font) const { return qHash(font); }
  };

  // Null when the glyph is not drawn as a plain coverage mask.
  static std::unique_ptr<GlyphMask> Take(const QRawFont& font, std::uint32_t glyph, int xFraction,
                                         int yFraction);

  std::unordered_map<QRawFont, GlyphMasks, FontHash> fonts_;
  // The font of the last look-up: glyphs come run by run in one font.
  QRawFont lastFont_;
  GlyphMasks* lastMasks_ = nullptr;
  std::size_t bytes_ = 0;
};

}  // namespace solvane
