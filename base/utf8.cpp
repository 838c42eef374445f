#include "base/utf8.h"

#include <cstring>

namespace solvane {

namespace {

struct Utf8Lead {
  std::size_t continuations;  // bytes that must follow the lead
  char32_t bits;              // the lead's share of the code point
  // Range of the first continuation byte; narrower than 0x80..0xBF where a
  // wider one would allow an overlong form, a surrogate or a value past
  // U+10FFFF.
  std::uint8_t firstLow;
  std::uint8_t firstHigh;
};

// False for bytes that cannot start a sequence of two or more: continuation
// bytes, the overlong leads 0xC0 and 0xC1, and 0xF5 and above.
bool ReadLead(std::uint8_t lead, Utf8Lead& out) {
  if (lead >= 0xC2 && lead <= 0xDF) {
    out = {1, lead & 0x1FU, 0x80, 0xBF};
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    out = {2, lead & 0x0FU, static_cast<std::uint8_t>(lead == 0xE0 ? 0xA0 : 0x80),
           static_cast<std::uint8_t>(lead == 0xED ? 0x9F : 0xBF)};
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    out = {3, lead & 0x07U, static_cast<std::uint8_t>(lead == 0xF0 ? 0x90 : 0x80),
           static_cast<std::uint8_t>(lead == 0xF4 ? 0x8F : 0xBF)};
  } else {
    return false;
  }
  return true;
}

}  // namespace

Utf8Step ReadUtf8(const std::uint8_t* bytes, std::size_t length, std::size_t at) {
  const std::uint8_t lead = bytes[at];
  if (lead < 0x80) {
    return {lead, 1, true};
  }
  Utf8Lead form{};
  if (!ReadLead(lead, form)) {
    return {kReplacementCodePoint, 1, false};
  }
  char32_t code = form.bits;
  std::size_t taken = 1;
  while (taken <= form.continuations && at + taken < length) {
    const std::uint8_t follow = bytes[at + taken];
    const std::uint8_t low = taken == 1 ? form.firstLow : 0x80;
    const std::uint8_t high = taken == 1 ? form.firstHigh : 0xBF;
    if (follow < low || follow > high) {
      break;
    }
    code = (code << 6) | (follow & 0x3FU);
    ++taken;
  }
  if (taken != form.continuations + 1) {
    return {kReplacementCodePoint, taken, false};
  }
  return {code, taken, true};
}

std::size_t AsciiRunEnd(const std::uint8_t* bytes, std::size_t at, std::size_t length) {
  // Blocks of 32 bytes while none has its high bit set; the loop over the
  // block's words has no early exit, so the compiler turns it into vector
  // instructions.
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  constexpr std::size_t kBlockWords = 4;
  constexpr std::size_t kBlock = kBlockWords * sizeof(std::uint64_t);
  if (at < length && bytes[at] >= 0x80) {
    return at;  // text past ASCII often has no ASCII between its characters
  }
  while (length - at >= kBlock) {
    std::uint64_t words[kBlockWords];
    std::memcpy(words, bytes + at, kBlock);
    std::uint64_t any = 0;
    for (const std::uint64_t word : words) {
      any |= word;
    }
    if ((any & kHighBits) != 0) {
      break;
    }
    at += kBlock;
  }
  while (at < length && bytes[at] < 0x80) {
    ++at;
  }
  return at;
}

std::size_t Utf8CutLength(const std::uint8_t* text, std::size_t available, std::size_t limit) {
  if (available <= limit) {
    return available;
  }
  constexpr std::size_t kLongestContinuation = 3;
  std::size_t cut = limit;
  while (cut > 0 && limit - cut < kLongestContinuation && IsUtf8Continuation(text[cut])) {
    --cut;
  }
  // Only a lead byte can start the run of continuations that was cut;
  // without one the bytes are not UTF-8 and are cut where the limit falls.
  return IsUtf8Continuation(text[cut]) || text[cut] < 0xC0 ? limit : cut;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

void AppendUtf16(std::u16string& out, char32_t code) {
  if (code >= 0x10000) {
    code -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
  } else {
    out.push_back(static_cast<char16_t>(code));
  }
}

}  // namespace solvane
