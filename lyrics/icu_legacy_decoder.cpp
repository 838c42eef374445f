#include "lyrics/icu_legacy_decoder.h"

#include <unicode/ucnv.h>
#include <unicode/ucsdet.h>
#include <unicode/ustring.h>

#include <climits>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "lyrics/lyric_decoding.h"

namespace solvane {

namespace {

struct DetectorCloser {
  void operator()(UCharsetDetector* detector) const { ucsdet_close(detector); }
};
struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Detector = std::unique_ptr<UCharsetDetector, DetectorCloser>;
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// UTF-16 or UTF-32 without a mark. Every lyric file has ASCII tags, which
// these encodings write with zero bytes; bytes without any are not in them,
// though pairs of them always "convert".
bool IsUnmarkedWideEncoding(std::string_view name) {
  return name.starts_with("UTF-16") || name.starts_with("UTF-32");
}

// The detector's statistics settle long before this many bytes; reading all
// of a large file would cost it dozens of times what the conversion costs.
constexpr std::size_t kDetectionSample = 64 * 1024;
// Candidates past these are rarely right, and each one tried costs a reading
// of the whole file when it fails late.
constexpr std::size_t kCandidatesTried = 6;

// The detector's candidate encodings for the start of `bytes`, most confident
// first.
std::vector<const char*> CandidateEncodings(std::string_view bytes) {
  bytes = bytes.substr(0, kDetectionSample);
  UErrorCode status = U_ZERO_ERROR;
  const Detector detector(ucsdet_open(&status));
  if (U_FAILURE(status)) {
    return {};
  }
  ucsdet_setText(detector.get(), bytes.data(), static_cast<std::int32_t>(bytes.size()), &status);
  std::int32_t count = 0;
  const UCharsetMatch** matches = ucsdet_detectAll(detector.get(), &count, &status);
  std::vector<const char*> names;
  for (std::int32_t k = 0; U_SUCCESS(status) && k < count; ++k) {
    const char* name = ucsdet_getName(matches[k], &status);
    if (U_SUCCESS(status) && name != nullptr &&
        (!IsUnmarkedWideEncoding(name) || bytes.find('\0') != std::string_view::npos)) {
      names.push_back(name);
    }
  }
  return names;
}

// `bytes` read in `encoding` as UTF-8. With `strict`, nothing when any byte
// does not decode; otherwise such bytes become U+FFFD.
std::optional<std::string> Convert(std::string_view bytes, const char* encoding, bool strict) {
  UErrorCode status = U_ZERO_ERROR;
  const Converter converter(ucnv_open(encoding, &status));
  if (U_FAILURE(status)) {
    return std::nullopt;
  }
  if (strict) {
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  } else {
    // The Unicode replacement character rather than the converter's own
    // substitute (U+001A in some single-byte tables).
    static const UChar kReplacement[] = {0xFFFD};
    ucnv_setSubstString(converter.get(), kReplacement, 1, &status);
  }
  // Every byte gives at most one UTF-16 unit, and a few at the end.
  std::u16string wide(bytes.size() + 8, u'\0');
  const std::int32_t units =
      ucnv_toUChars(converter.get(), wide.data(), static_cast<std::int32_t>(wide.size()), bytes.data(),
                    static_cast<std::int32_t>(bytes.size()), &status);
  if (U_FAILURE(status)) {
    return std::nullopt;
  }
  std::string text(static_cast<std::size_t>(units) * 3, '\0');
  std::int32_t length = 0;
  u_strToUTF8WithSub(text.data(), static_cast<std::int32_t>(text.size()), &length, wide.data(), units,
                     0xFFFD, nullptr, &status);
  if (U_FAILURE(status)) {
    return std::nullopt;
  }
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace

// The detector's first choice can be an encoding the bytes are not valid in
// (its statistics for short texts are rough): the most confident candidate
// that reads every byte wins, and only when none does is the first one read
// with replacement characters.
std::string IcuLegacyDecoder::ToUtf8(std::string_view bytes) const {
  if (bytes.size() > static_cast<std::size_t>(INT_MAX / 4)) {
    return ReplaceInvalidUtf8(bytes);
  }
  const std::vector<const char*> candidates = CandidateEncodings(bytes);
  for (std::size_t k = 0; k < candidates.size() && k < kCandidatesTried; ++k) {
    if (std::optional<std::string> text = Convert(bytes, candidates[k], true)) {
      return *std::move(text);
    }
  }
  if (!candidates.empty()) {
    if (std::optional<std::string> text = Convert(bytes, candidates.front(), false)) {
      return *std::move(text);
    }
  }
  return ReplaceInvalidUtf8(bytes);
}

}  // namespace solvane
