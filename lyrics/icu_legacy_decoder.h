#pragma once
// The legacy text decoder on ICU: the charset detector names the encoding and
// ICU's converters read the bytes in it. Short texts with few bytes past
// ASCII are read as the CJK encoding they fit (see short_cjk_text.h), with
// uchardet's answer and the user's locale deciding between equals.

#include <string>
#include <string_view>

#include "lyrics/legacy_text_decoder.h"
#include "lyrics/short_cjk_text.h"

namespace solvane {

class IcuLegacyDecoder : public LegacyTextDecoder {
 public:
  // The locale of the environment (LC_ALL, LC_CTYPE, LANG) breaks ties.
  IcuLegacyDecoder();
  // `locale` ("zh_TW.UTF-8") breaks ties.
  explicit IcuLegacyDecoder(std::string_view locale);

  std::string ToUtf8(std::string_view bytes) const override;

 private:
  CjkEncoding preferred_;
};

}  // namespace solvane
