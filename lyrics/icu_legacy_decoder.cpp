#include "lyrics/icu_legacy_decoder.h"

#include <uchardet/uchardet.h>
#include <unicode/ucsdet.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>
#include <type_traits>
#include <vector>

#include "lyrics/icu_convert.h"
#include "lyrics/lyric_decoding.h"

namespace solvane {

namespace {

struct DetectorCloser {
  void operator()(UCharsetDetector* detector) const { ucsdet_close(detector); }
};
using Detector = std::unique_ptr<UCharsetDetector, DetectorCloser>;

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

// The converter for an encoding uchardet names. Its ISO-8859-1 is read as
// windows-1252, which only adds characters where ISO-8859-1 has control
// codes (as web browsers read it): text with "œ" or curly quotes in those
// bytes is windows-1252, and no lyric holds C1 control codes.
const char* IcuNameOf(const std::string& uchardetName) {
  return uchardetName == "ISO-8859-1" ? "windows-1252" : uchardetName.c_str();
}

// uchardet's name for the encoding of `bytes`; empty when it has none.
std::string UchardetName(std::string_view bytes) {
  const std::unique_ptr<std::remove_pointer_t<uchardet_t>, void (*)(uchardet_t)> detector(uchardet_new(),
                                                                                          uchardet_delete);
  if (!detector || uchardet_handle_data(detector.get(), bytes.data(), bytes.size()) != 0) {
    return {};
  }
  uchardet_data_end(detector.get());
  const char* name = uchardet_get_charset(detector.get());
  return name != nullptr ? name : "";
}

}  // namespace

IcuLegacyDecoder::IcuLegacyDecoder() : IcuLegacyDecoder(EnvironmentLocale()) {}

IcuLegacyDecoder::IcuLegacyDecoder(std::string_view locale) : preferred_(CjkEncodingOfLocale(locale)) {}

// Two detectors: uchardet names an encoding from the start of the bytes at a
// tenth of the cost of ICU's (a megabyte of GBK: its 64 KiB sample costs
// less than the conversion, ICU's as much as the conversion), so its choice
// is tried first. When the bytes do not all read in it, ICU's candidates are
// tried, most confident first: its first choice can be an encoding the bytes
// are not valid in (its statistics for short texts are rough), so the first
// that reads every byte wins, and only when none does is the first one read
// with replacement characters. Short texts with few bytes past ASCII are
// first tried as CJK text.
std::string IcuLegacyDecoder::ToUtf8(std::string_view bytes) const {
  if (bytes.size() > static_cast<std::size_t>(INT_MAX / 4)) {
    return ReplaceInvalidUtf8(bytes);
  }
  const std::string uchardetChoice = UchardetName(bytes.substr(0, kDetectionSample));
  if (IsShortLegacyText(bytes)) {
    if (std::optional<std::string> text = ReadShortCjkText(bytes, preferred_, uchardetChoice)) {
      return *std::move(text);
    }
  }
  if (!uchardetChoice.empty()) {
    if (std::optional<std::string> text = ConvertWithIcu(bytes, IcuNameOf(uchardetChoice), true)) {
      return *std::move(text);
    }
  }
  const std::vector<const char*> candidates = CandidateEncodings(bytes);
  for (std::size_t k = 0; k < candidates.size() && k < kCandidatesTried; ++k) {
    if (std::optional<std::string> text = ConvertWithIcu(bytes, candidates[k], true)) {
      return *std::move(text);
    }
  }
  if (!candidates.empty()) {
    if (std::optional<std::string> text = ConvertWithIcu(bytes, candidates.front(), false)) {
      return *std::move(text);
    }
  }
  return ReplaceInvalidUtf8(bytes);
}

}  // namespace solvane
