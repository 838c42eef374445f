#pragma once
// The seam through which lyric bytes in a legacy 8-bit or multi-byte encoding
// (GBK, Shift-JIS, windows-1252, ...) become UTF-8. Byte-order marks and valid
// UTF-8 are handled before it is asked, so it only ever sees bytes that are
// neither.

#include <string>
#include <string_view>

namespace solvane {

class LegacyTextDecoder {
 public:
  virtual ~LegacyTextDecoder() = default;
  // `bytes` read as UTF-8, in the encoding the decoder judges they were
  // written in. Bytes that do not decode become U+FFFD; none are dropped.
  virtual std::string ToUtf8(std::string_view bytes) const = 0;
};

}  // namespace solvane
