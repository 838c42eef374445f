#pragma once
// Short legacy texts with few bytes past ASCII: a title or a line or two of
// Chinese, Japanese or Korean. Statistical detectors need more text than
// that and name a Latin encoding, in which any bytes decode; such a text is
// read instead as the double-byte CJK encoding it fits (GB18030, Big5,
// Shift-JIS, EUC-KR with its Windows extension), the user's locale breaking
// ties.

#include <optional>
#include <string>
#include <string_view>

namespace solvane {

enum class CjkEncoding { kNone, kGb18030, kBig5, kShiftJis, kEucKr };

// The CJK encoding of a locale name as LC_ALL, LC_CTYPE and LANG give it
// ("zh_TW.UTF-8" gives Big5); kNone for other languages.
CjkEncoding CjkEncodingOfLocale(std::string_view locale);

// The locale of this process's environment: LC_ALL, else LC_CTYPE, else LANG.
std::string EnvironmentLocale();

// True when `bytes` have so few bytes past ASCII that they are read by the
// rule for short texts.
bool IsShortLegacyText(std::string_view bytes);

// `bytes` as UTF-8 in the CJK encoding they fit best; nothing when they fit
// none plausibly. `secondOpinion` is another detector's name for their
// encoding (or empty); it decides between encodings that fit equally well,
// before `preferred` does.
std::optional<std::string> ReadShortCjkText(std::string_view bytes, CjkEncoding preferred,
                                            std::string_view secondOpinion);

}  // namespace solvane
