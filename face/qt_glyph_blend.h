#pragma once
// Glyph coverage blended onto 32-bit pixels in a solid colour, with the
// integer arithmetic of Qt's raster engine for text: the same coverage in the
// same colour gives the same pixels, bit for bit, several pixels at a time.

#include <cstddef>
#include <cstdint>

namespace solvane {

// Coverage rows padded to a multiple of this many pixels (with zero coverage)
// blend in whole blocks.
inline constexpr int kCoverageBlock = 8;

// x times a / 255 in each of the four 8-bit channels of x, rounded as Qt
// rounds it.
constexpr std::uint32_t MultiplyChannels(std::uint32_t x, std::uint32_t a) {
  std::uint32_t low = (x & 0xff00ffU) * a;
  low = ((low + ((low >> 8) & 0xff00ffU) + 0x800080U) >> 8) & 0xff00ffU;
  std::uint32_t high = ((x >> 8) & 0xff00ffU) * a;
  high = (high + ((high >> 8) & 0xff00ffU) + 0x800080U) & 0xff00ff00U;
  return high | low;
}

// `colour` (0xRRGGBB; drawn opaque) at `coverage` (0 to 255) over `pixel`
// (0xAARRGGBB, premultiplied).
constexpr std::uint32_t BlendCoverage(std::uint32_t pixel, std::uint32_t colour,
                                      std::uint32_t coverage) {
  return MultiplyChannels(colour | 0xff000000U, coverage) + MultiplyChannels(pixel, 255 - coverage);
}

// `height` rows of `width` coverage bytes, `stride` bytes apart.
struct CoverageRect {
  const std::uint8_t* coverage = nullptr;
  std::ptrdiff_t stride = 0;
  int width = 0;
  int height = 0;
};

// Blends the coverage onto as many rows of pixels, `pixelsPerRow` apart,
// starting at `pixels`.
void BlendCoverage(std::uint32_t* pixels, std::ptrdiff_t pixelsPerRow, const CoverageRect& rect,
                   std::uint32_t colour);

}  // namespace solvane
