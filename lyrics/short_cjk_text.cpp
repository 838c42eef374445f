#include "lyrics/short_cjk_text.h"

#include <cstdint>
#include <cstdlib>
#include <strings.h>

#include "lyrics/icu_convert.h"

namespace solvane {

namespace {

// Texts with fewer bytes past ASCII than this (a line of about thirty
// double-byte characters) count as short. Measured on one-line texts in
// GB18030, Big5, Shift-JIS and EUC-KR cut after 1 to 15 characters: ICU's
// detector with its strict-fit rule reads 20 % of those with 1 to 15 bytes
// past ASCII right and 66 % of those with 16 to 31 (ISO-8859-1 never fails
// to convert, so it wins), uchardet's choice alone 4 % and 31 %; this rule,
// with uchardet deciding between equals, reads 81 % and 100 % (the misses are
// a word or two of Hangul, which fit GB18030 as well unless the locale is
// Korean). Longer texts are left to the detectors, which read them right.
constexpr std::size_t kShortTextHighBytes = 64;

// A double-byte encoding's map of its bytes.
struct ByteRange {
  std::uint8_t low;
  std::uint8_t high;
  bool Holds(std::uint8_t byte) const { return byte >= low && byte <= high; }
};

struct CjkForm {
  CjkEncoding encoding;
  const char* icuName;
  // Leads of the characters everyday text is made of: punctuation and the
  // commonest block of ideographs, kana or Hangul. A text in another
  // encoding that happens to fit lands mostly outside them.
  ByteRange commonLeads[3];
  // Bytes past ASCII that are a character alone (Shift-JIS half-width kana,
  // rare in lyrics).
  ByteRange singles;
  // GB18030's four-byte characters: the second byte is a digit.
  bool fourByteForms;
  // Names other detectors give it.
  const char* aliases[4];
};

constexpr ByteRange kNoRange{0xFF, 0x00};

constexpr CjkForm kForms[] = {
    {CjkEncoding::kGb18030, "GB18030", {{0xA1, 0xA3}, {0xB0, 0xD7}, kNoRange}, kNoRange, true,
     {"GB18030", "GB2312", "GBK", "HZ-GB-2312"}},
    {CjkEncoding::kBig5, "Big5", {{0xA1, 0xA3}, {0xA4, 0xC6}, kNoRange}, kNoRange, false,
     {"BIG5", "BIG5-HKSCS", "CP950", nullptr}},
    {CjkEncoding::kShiftJis, "Shift_JIS", {{0x81, 0x83}, {0x88, 0x9F}, kNoRange}, {0xA1, 0xDF}, false,
     {"SHIFT_JIS", "CP932", "WINDOWS-31J", nullptr}},
    {CjkEncoding::kEucKr, "windows-949", {{0xA1, 0xA3}, {0xB0, 0xC8}, kNoRange}, kNoRange, false,
     {"EUC-KR", "UHC", "CP949", "WINDOWS-949"}},
};

// How many of the text's characters past ASCII are common ones, out of all
// of them, read as `form` (whose converter has already read every byte).
struct CommonShare {
  std::size_t common = 0;
  std::size_t all = 0;
  // Compares a / b with c / d without division.
  bool Below(const CommonShare& other) const { return common * other.all < other.common * all; }
  bool Plausible() const { return all > 0 && 2 * common >= all; }
};

CommonShare ShareOfCommonCharacters(std::string_view text, const CjkForm& form) {
  CommonShare share;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  std::size_t at = 0;
  while (at < text.size()) {
    const std::uint8_t lead = bytes[at];
    if (lead < 0x80) {
      ++at;
      continue;
    }
    ++share.all;
    if (form.singles.Holds(lead)) {
      ++at;
      continue;
    }
    const bool fourBytes = form.fourByteForms && at + 1 < text.size() && bytes[at + 1] >= '0' && bytes[at + 1] <= '9';
    if (!fourBytes) {
      for (const ByteRange& range : form.commonLeads) {
        share.common += range.Holds(lead) ? 1 : 0;
      }
    }
    at += fourBytes ? 4 : 2;
  }
  return share;
}

bool Names(const CjkForm& form, std::string_view name) {
  for (const char* alias : form.aliases) {
    if (alias != nullptr && name.size() == std::char_traits<char>::length(alias) &&
        strncasecmp(alias, name.data(), name.size()) == 0) {
      return true;
    }
  }
  return false;
}

}  // namespace

CjkEncoding CjkEncodingOfLocale(std::string_view locale) {
  const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
  if (name.starts_with("zh")) {
    const bool traditional = name.ends_with("_TW") || name.ends_with("_HK") || name.ends_with("_MO");
    return traditional ? CjkEncoding::kBig5 : CjkEncoding::kGb18030;
  }
  if (name.starts_with("ja")) {
    return CjkEncoding::kShiftJis;
  }
  if (name.starts_with("ko")) {
    return CjkEncoding::kEucKr;
  }
  return CjkEncoding::kNone;
}

std::string EnvironmentLocale() {
  for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') {
      return value;
    }
  }
  return {};
}

bool IsShortLegacyText(std::string_view bytes) {
  std::size_t high = 0;
  for (const char byte : bytes) {
    high += static_cast<std::uint8_t>(byte) >= 0x80 ? 1 : 0;
    if (high >= kShortTextHighBytes) {
      return false;
    }
  }
  return true;
}

std::optional<std::string> ReadShortCjkText(std::string_view bytes, CjkEncoding preferred,
                                            std::string_view secondOpinion) {
  // The encodings that read every byte and give mostly common characters,
  // the best share first; among equals the other detector's choice, then the
  // locale's, then the order of the table.
  const CjkForm* best = nullptr;
  CommonShare bestShare;
  int bestRank = 0;
  std::optional<std::string> bestText;
  for (const CjkForm& form : kForms) {
    const CommonShare share = ShareOfCommonCharacters(bytes, form);
    if (!share.Plausible() || (best != nullptr && share.Below(bestShare))) {
      continue;
    }
    const int rank = (Names(form, secondOpinion) ? 2 : 0) + (form.encoding == preferred ? 1 : 0);
    if (best != nullptr && !bestShare.Below(share) && rank <= bestRank) {
      continue;
    }
    std::optional<std::string> text = ConvertWithIcu(bytes, form.icuName, true);
    if (!text) {
      continue;
    }
    best = &form;
    bestShare = share;
    bestRank = rank;
    bestText = std::move(text);
  }
  return bestText;
}

}  // namespace solvane
