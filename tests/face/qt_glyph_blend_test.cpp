#include "face/qt_glyph_blend.h"

#include <gtest/gtest.h>

#include <QRect>
#include <cstdint>
#include <random>
#include <vector>

#include "face/qt_blended_glyphs.h"

namespace solvane {
namespace {

constexpr std::uint32_t kColour = 0x5a9bd3;

TEST(BlendCoverageTest, NoCoverageKeepsThePixelAndFullCoverageGivesTheColour) {
  EXPECT_EQ(BlendCoverage(0xff123456U, kColour, 0), 0xff123456U);
  EXPECT_EQ(BlendCoverage(0xff123456U, kColour, 255), 0xff000000U | kColour);
  // Half way: each channel about the mean, rounded as Qt rounds.
  EXPECT_EQ(BlendCoverage(0xff000000U, 0xffffff, 128), 0xff808080U);
}

std::vector<std::uint8_t> TextLikeCoverage(std::size_t count, std::mt19937& random) {
  std::vector<std::uint8_t> coverage(count);
  for (std::uint8_t& value : coverage) {
    const auto kind = random() % 3;
    value = kind == 0 ? 0 : kind == 1 ? 255 : static_cast<std::uint8_t>(random() % 256);
  }
  return coverage;
}

// Every width from nothing to several blocks, at every start within a block,
// so that whole blocks, half blocks and single pixels are all taken.
TEST(BlendCoverageTest, RectsGiveWhatEachPixelAloneGives) {
  std::mt19937 random(7);
  constexpr int kStride = 64;
  constexpr int kRows = 3;
  for (int width = 0; width <= 40; ++width) {
    for (int start = 0; start < kCoverageBlock; ++start) {
      const std::vector<std::uint8_t> coverage = TextLikeCoverage(kStride * kRows, random);
      std::vector<std::uint32_t> pixels(kStride * kRows);
      for (std::uint32_t& pixel : pixels) {
        pixel = 0xff000000U | static_cast<std::uint32_t>(random() & 0xffffffU);
      }
      std::vector<std::uint32_t> expected = pixels;
      for (int row = 0; row < kRows; ++row) {
        for (int x = start; x < start + width; ++x) {
          const std::size_t at = static_cast<std::size_t>(row * kStride + x);
          expected[at] = BlendCoverage(expected[at], kColour, coverage[at]);
        }
      }
      BlendCoverage(pixels.data() + start, kStride,
                    {coverage.data() + start, kStride, width, kRows}, kColour);
      ASSERT_EQ(pixels, expected) << "width " << width << " from " << start;
    }
  }
}

GlyphMask Mask(int width, int height, std::uint8_t coverage) {
  GlyphMask mask;
  mask.width = width;
  mask.height = height;
  mask.stride = (width + kCoverageBlock - 1) / kCoverageBlock * kCoverageBlock;
  mask.coverage.assign(static_cast<std::size_t>(mask.stride * height), 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      mask.coverage[static_cast<std::size_t>(y * mask.stride + x)] = coverage;
    }
  }
  return mask;
}

// What the glyphs give drawn one after the other into a transparent image,
// which is then composited over `pixels`.
void CompositeAsAnImage(std::vector<std::uint32_t>& pixels, int width,
                        const std::vector<std::pair<const GlyphMask*, QPoint>>& glyphs) {
  std::vector<std::uint32_t> image(pixels.size(), 0);
  for (const auto& [mask, at] : glyphs) {
    for (int y = 0; y < mask->height; ++y) {
      for (int x = 0; x < mask->width; ++x) {
        const std::uint8_t coverage =
            mask->coverage[static_cast<std::size_t>(y * mask->stride + x)];
        std::uint32_t& pixel = image[static_cast<std::size_t>((at.y() + y) * width + at.x() + x)];
        if (coverage != 0) {
          pixel = BlendCoverage(pixel, kColour, coverage);
        }
      }
    }
  }
  for (std::size_t k = 0; k < pixels.size(); ++k) {
    pixels[k] = image[k] + MultiplyChannels(pixels[k], 255 - (image[k] >> 24));
  }
}

TEST(QtBlendedGlyphsTest, OverlappingGlyphsGiveWhatTheirOwnImageWouldGive) {
  constexpr int kWidth = 24;
  const GlyphMask wide = Mask(10, 6, 140);
  const GlyphMask narrow = Mask(3, 8, 200);
  const GlyphMask solid = Mask(4, 4, 255);
  const std::vector<std::pair<const GlyphMask*, QPoint>> glyphs = {
      {&wide, {2, 3}}, {&narrow, {9, 1}}, {&solid, {10, 5}}, {&wide, {14, 4}}};
  QtBlendedGlyphs blended;
  for (const auto& [mask, at] : glyphs) {
    blended.Add(*mask, at.x(), at.y());
  }
  blended.Seal();
  // The narrow glyph crosses the first wide one (9..11 x 3..8), the solid
  // one lies over both (10..11 x 5..8), the second wide one touches neither.
  EXPECT_EQ(blended.SharedPixelCount(), 3u * 6u);

  std::vector<std::uint32_t> pixels(kWidth * 12);
  for (std::size_t k = 0; k < pixels.size(); ++k) {
    pixels[k] = 0xff000000U | static_cast<std::uint32_t>(k * 2654435761U & 0xffffffU);
  }
  std::vector<std::uint32_t> expected = pixels;
  CompositeAsAnImage(expected, kWidth, glyphs);
  blended.Draw(pixels.data(), kWidth, QPoint(0, 0), QRect(0, 0, kWidth, 12), kColour);
  EXPECT_EQ(pixels, expected);
}

TEST(QtBlendedGlyphsTest, GlyphsSideBySideShareNoPixelAndStayInsideTheClip) {
  const GlyphMask glyph = Mask(4, 4, 255);
  QtBlendedGlyphs blended;
  blended.Add(glyph, 0, 0);
  blended.Add(glyph, 4, 0);
  blended.Seal();
  EXPECT_EQ(blended.SharedPixelCount(), 0u);

  constexpr int kWidth = 16;
  std::vector<std::uint32_t> pixels(kWidth * 8, 0xff000000U);
  blended.Draw(pixels.data(), kWidth, QPoint(2, 2), QRect(3, 2, 5, 3), kColour);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const bool inside = x >= 3 && x < 8 && y >= 2 && y < 5;
      EXPECT_EQ(pixels[static_cast<std::size_t>(y * kWidth + x)],
                inside ? 0xff000000U | kColour : 0xff000000U)
          << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace solvane
