#include "face/qt_glyph_blend.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__)
#include <immintrin.h>
#define SOLVANE_BLEND_AVX2 1
#endif

namespace solvane {

namespace {

// One row, a pixel at a time, from `index` on.
void BlendTail(std::uint32_t* pixels, const std::uint8_t* coverage, int index, int count,
               std::uint32_t colour) {
  for (; index < count; ++index) {
    if (coverage[index] != 0) {
      pixels[index] = BlendCoverage(pixels[index], colour, coverage[index]);
    }
  }
}

#if defined(__SSE2__)

// MultiplyChannels on eight 16-bit lanes, each holding one 8-bit channel.
__m128i MultiplyLanes(__m128i x, __m128i a) {
  __m128i product = _mm_mullo_epi16(x, a);
  product = _mm_add_epi16(product, _mm_srli_epi16(product, 8));
  product = _mm_add_epi16(product, _mm_set1_epi16(0x80));
  return _mm_srli_epi16(product, 8);
}

// Channels widened to 16 bits, each at the coverage of its pixel.
__m128i BlendLanes(__m128i pixels, __m128i colour, __m128i coverage) {
  const __m128i rest = _mm_sub_epi16(_mm_set1_epi16(255), coverage);
  return _mm_add_epi16(MultiplyLanes(colour, coverage), MultiplyLanes(pixels, rest));
}

// One row, four pixels at a time from `index` on; returns where it stopped.
// Pixels without coverage are left alone; the arithmetic would leave them so.
int BlendFours(std::uint32_t* pixels, const std::uint8_t* coverage, int index, int count,
               std::uint32_t colour) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i colourLanes = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(colour)), zero);
  for (; index + 4 <= count; index += 4) {
    std::uint32_t block = 0;
    std::memcpy(&block, coverage + index, sizeof block);
    if (block == 0) {
      continue;
    }
    // Each coverage byte repeated for the four channels of its pixel.
    __m128i spread = _mm_cvtsi32_si128(static_cast<int>(block));
    spread = _mm_unpacklo_epi8(spread, spread);
    spread = _mm_unpacklo_epi16(spread, spread);
    auto* target = reinterpret_cast<__m128i*>(pixels + index);
    const __m128i current = _mm_loadu_si128(target);
    const __m128i low =
        BlendLanes(_mm_unpacklo_epi8(current, zero), colourLanes, _mm_unpacklo_epi8(spread, zero));
    const __m128i high =
        BlendLanes(_mm_unpackhi_epi8(current, zero), colourLanes, _mm_unpackhi_epi8(spread, zero));
    _mm_storeu_si128(target, _mm_packus_epi16(low, high));
  }
  return index;
}

#else

int BlendFours(std::uint32_t*, const std::uint8_t*, int index, int, std::uint32_t) { return index; }

#endif

void BlendRect(std::uint32_t* pixels, std::ptrdiff_t pixelsPerRow, const CoverageRect& rect,
               std::uint32_t colour) {
  for (int row = 0; row < rect.height; ++row) {
    std::uint32_t* target = pixels + row * pixelsPerRow;
    const std::uint8_t* coverage = rect.coverage + row * rect.stride;
    BlendTail(target, coverage, BlendFours(target, coverage, 0, rect.width, colour), rect.width,
              colour);
  }
}

#if defined(SOLVANE_BLEND_AVX2)

[[gnu::target("avx2")]] __m256i MultiplyLanes8(__m256i x, __m256i a) {
  __m256i product = _mm256_mullo_epi16(x, a);
  product = _mm256_add_epi16(product, _mm256_srli_epi16(product, 8));
  product = _mm256_add_epi16(product, _mm256_set1_epi16(0x80));
  return _mm256_srli_epi16(product, 8);
}

[[gnu::target("avx2")]] __m256i BlendLanes8(__m256i pixels, __m256i colour, __m256i coverage) {
  const __m256i rest = _mm256_sub_epi16(_mm256_set1_epi16(255), coverage);
  return _mm256_add_epi16(MultiplyLanes8(colour, coverage), MultiplyLanes8(pixels, rest));
}

// BlendRect eight pixels at a time.
[[gnu::target("avx2")]] void BlendRectAvx2(std::uint32_t* pixels, std::ptrdiff_t pixelsPerRow,
                                           const CoverageRect& rect, std::uint32_t colour) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i colourLanes =
      _mm256_unpacklo_epi8(_mm256_set1_epi32(static_cast<int>(colour)), zero);
  // Coverage byte k to the four channels of pixel k, within each half.
  const __m256i spread = _mm256_setr_epi8(0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3,  //
                                          4, 4, 4, 4, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7);
  for (int row = 0; row < rect.height; ++row) {
    std::uint32_t* target = pixels + row * pixelsPerRow;
    const std::uint8_t* coverage = rect.coverage + row * rect.stride;
    int index = 0;
    for (; index + 8 <= rect.width; index += 8) {
      std::uint64_t block = 0;
      std::memcpy(&block, coverage + index, sizeof block);
      if (block == 0) {
        continue;
      }
      const __m256i spreadCoverage =
          _mm256_shuffle_epi8(_mm256_set1_epi64x(static_cast<long long>(block)), spread);
      auto* eight = reinterpret_cast<__m256i*>(target + index);
      const __m256i current = _mm256_loadu_si256(eight);
      const __m256i low = BlendLanes8(_mm256_unpacklo_epi8(current, zero), colourLanes,
                                      _mm256_unpacklo_epi8(spreadCoverage, zero));
      const __m256i high = BlendLanes8(_mm256_unpackhi_epi8(current, zero), colourLanes,
                                       _mm256_unpackhi_epi8(spreadCoverage, zero));
      _mm256_storeu_si256(eight, _mm256_packus_epi16(low, high));
    }
    BlendTail(target, coverage, BlendFours(target, coverage, index, rect.width, colour), rect.width,
              colour);
  }
}

bool HasAvx2() {
  static const bool available = __builtin_cpu_supports("avx2");
  return available;
}

#endif

}  // namespace

void BlendCoverage(std::uint32_t* pixels, std::ptrdiff_t pixelsPerRow, const CoverageRect& rect,
                   std::uint32_t colour) {
  colour |= 0xff000000U;
#if defined(SOLVANE_BLEND_AVX2)
  if (HasAvx2()) {
    BlendRectAvx2(pixels, pixelsPerRow, rect, colour);
    return;
  }
#endif
  BlendRect(pixels, pixelsPerRow, rect, colour);
}

}  // namespace solvane
