#pragma once
// The legacy text decoder on ICU: the charset detector names the encoding and
// ICU's converters read the bytes in it.

#include "lyrics/legacy_text_decoder.h"

namespace solvane {

class IcuLegacyDecoder : public LegacyTextDecoder {
 public:
  std::string ToUtf8(std::string_view bytes) const override;
};

}  // namespace solvane
