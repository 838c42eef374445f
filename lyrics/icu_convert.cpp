#include "lyrics/icu_convert.h"

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <cstdint>
#include <memory>

namespace solvane {

namespace {

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

}  // namespace

std::optional<std::string> ConvertWithIcu(std::string_view bytes, const char* encoding, bool strict) {
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

}  // namespace solvane
