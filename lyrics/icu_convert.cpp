#include "lyrics/icu_convert.h"

#include <unicode/ucnv.h>

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
  const Converter utf8(ucnv_open("UTF-8", &status));
  if (U_FAILURE(status)) {
    return std::nullopt;
  }
  // Straight into UTF-8 (ICU pivots through UTF-16 in small blocks). Every
  // byte gives at most one UTF-16 unit, which takes at most three bytes, and
  // a few at the end.
  std::string text(bytes.size() * 3 + 16, '\0');
  char* target = text.data();
  const char* source = bytes.data();
  ucnv_convertEx(utf8.get(), converter.get(), &target, text.data() + text.size(), &source,
                 bytes.data() + bytes.size(), nullptr, nullptr, nullptr, nullptr, true, true, &status);
  if (U_FAILURE(status)) {
    return std::nullopt;
  }
  text.resize(static_cast<std::size_t>(target - text.data()));
  return text;
}

}  // namespace solvane
