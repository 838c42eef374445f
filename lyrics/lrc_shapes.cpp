#include "lyrics/lrc_shapes.h"

#include <string.h>

#include <cstring>
#include <vector>

#include "base/utf8.h"
#include "lyrics/lyric_content.h"
#include "lyrics/time_tag.h"

namespace solvane {

namespace {

constexpr std::int64_t kMillisecondsPerTenth = 100;
constexpr std::string_view kOffsetKey = "[offset:";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads up to `most` digits from `text[at]` on into `value`; the number read.
std::size_t ReadDigits(std::string_view text, std::size_t& at, std::size_t most, std::int64_t& value) {
  value = 0;
  std::size_t taken = 0;
  while (taken < most && at < text.size() && IsDigit(text[at])) {
    value = value * 10 + (text[at] - '0');
    ++taken;
    ++at;
  }
  return taken;
}

// A time between `open` and `close` at `text[at]` into `milliseconds`; `at`
// moves past it when it is one.
bool ReadTime(std::string_view text, std::size_t& at, char open, char close, std::int64_t& milliseconds) {
  std::size_t p = at;
  if (p >= text.size() || text[p] != open) {
    return false;
  }
  ++p;
  std::int64_t minutes = 0;
  std::int64_t seconds = 0;
  if (ReadDigits(text, p, 3, minutes) == 0 || p >= text.size() || text[p] != ':') {
    return false;
  }
  ++p;
  if (ReadDigits(text, p, 2, seconds) != 2 || p >= text.size()) {
    return false;
  }
  milliseconds = (minutes * 60 + seconds) * 1000;
  if (text[p] == '.' || text[p] == ':') {
    ++p;
    std::int64_t fraction = 0;
    const std::size_t digits = ReadDigits(text, p, 3, fraction);
    if (digits == 0) {
      return false;
    }
    constexpr std::int64_t kScale[] = {0, 100, 10, 1};
    milliseconds += fraction * kScale[digits];
  }
  if (p >= text.size() || text[p] != close) {
    return false;
  }
  at = p + 1;
  return true;
}

// The value of the file's last "[offset:N]" line, in milliseconds; 0 without one.
std::int64_t FileOffset(std::string_view text) {
  // Every time tag starts with "[", so the key is looked for by its whole
  // length rather than by its first byte.
  std::int64_t offset = 0;
  for (const void* found = memmem(text.data(), text.size(), kOffsetKey.data(), kOffsetKey.size());
       found != nullptr;) {
    const auto at = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
    const std::size_t from = at + 1;
    found = memmem(text.data() + from, text.size() - from, kOffsetKey.data(), kOffsetKey.size());
    std::size_t p = at + kOffsetKey.size();
    while (p < text.size() && text[p] == ' ') {
      ++p;
    }
    const bool negative = p < text.size() && text[p] == '-';
    if (p < text.size() && (text[p] == '-' || text[p] == '+')) {
      ++p;
    }
    // Nine digits are more than any track lasts and keep the sum in range.
    std::int64_t value = 0;
    if (ReadDigits(text, p, 9, value) > 0 && p < text.size() && text[p] == ']') {
      offset = negative ? -value : value;
    }
  }
  return offset;
}

// Appends the text of a line with its word timings taken out.
void AppendWithoutWordTimings(std::string_view text, std::string& out) {
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t open = text.find('<', at);
    if (open == std::string_view::npos) {
      break;
    }
    out.append(text.substr(at, open - at));
    at = open;
    std::int64_t ignored = 0;
    if (!ReadTime(text, at, '<', '>', ignored)) {
      out.push_back('<');
      ++at;
    }
  }
  out.append(text.substr(at));
}

// Appends "[mm:ss.dh]" for a time in milliseconds moved by `offset`; false
// when the ten-byte form cannot hold it.
bool AppendTenByteTag(std::string& out, std::int64_t milliseconds, std::int64_t offset) {
  const std::int64_t moved = milliseconds - offset;
  const std::int64_t at = moved < 0 ? 0 : moved;
  const std::int64_t tenths = at / kMillisecondsPerTenth;
  if (tenths > kLargestTagTime) {
    return false;
  }
  // Minutes up to 99, the rest in the seconds, which may pass 59.
  const std::int64_t minutes = tenths / 600 < 99 ? tenths / 600 : 99;
  const std::int64_t rest = tenths - minutes * 600;
  const char tag[kTimeTagLength] = {
      '[', static_cast<char>('0' + minutes / 10), static_cast<char>('0' + minutes % 10), ':',
      static_cast<char>('0' + rest / 100), static_cast<char>('0' + rest / 10 % 10), '.',
      static_cast<char>('0' + rest % 10), static_cast<char>('0' + at / 10 % 10), ']'};
  out.append(tag, kTimeTagLength);
  return true;
}

// Appends the lines of one line of the file (without its line feed): one per
// tag at its start, or the line as it is, with its line feed when it had one,
// when it has none. `times` is room for the tags' times.
void AppendLine(std::string& out, std::string_view line, bool lineFeed, std::int64_t offset,
                std::vector<std::int64_t>& times) {
  times.clear();
  std::size_t at = 0;
  std::int64_t tagTime = 0;
  while (ReadTime(line, at, '[', ']', tagTime)) {
    times.push_back(tagTime);
  }
  if (times.empty()) {
    out.append(line);
    if (lineFeed) {
      out.push_back('\n');
    }
    return;
  }
  std::string_view rest = line.substr(at);
  if (!rest.empty() && rest.back() == '\r') {
    rest.remove_suffix(1);
  }
  // The text goes out after the first tag that can be held; the lines of
  // further tags copy it from there. The parser keeps no more of a line than
  // its text limit, so no more is copied for each tag.
  std::size_t textStart = std::string::npos;
  std::size_t textLength = 0;
  for (const std::int64_t time : times) {
    if (!AppendTenByteTag(out, time, offset)) {
      continue;
    }
    if (textStart == std::string::npos) {
      textStart = out.size();
      AppendWithoutWordTimings(rest, out);
      textLength = Utf8CutLength(reinterpret_cast<const std::uint8_t*>(out.data() + textStart),
                                 out.size() - textStart, kLyricTextLimit);
      out.resize(textStart + textLength);
    } else {
      out.reserve(out.size() + textLength + 1);
      out.append(out.data() + textStart, textLength);  // within the capacity: no move
    }
    out.push_back('\n');
  }
}

}  // namespace

bool HasTenByteTimeTag(std::string_view text) {
  bool found = false;
  ForEachTimeTag(LyricBytes{reinterpret_cast<const std::uint8_t*>(text.data()), text.size()},
                 [&found](std::size_t, std::int32_t) {
                   found = true;
                   return false;
                 });
  return found;
}

void EndLinesAtLoneCarriageReturns(std::uint8_t* bytes, std::size_t size) {
  if (size == 0 || std::memchr(bytes, '\n', size) != nullptr) {
    return;
  }
  for (auto* at = static_cast<std::uint8_t*>(std::memchr(bytes, '\r', size)); at != nullptr;
       at = static_cast<std::uint8_t*>(std::memchr(at, '\r', size - static_cast<std::size_t>(at - bytes)))) {
    *at = '\n';
  }
}

std::string ToTenByteForm(std::string_view text) {
  const std::int64_t offset = FileOffset(text);
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  std::vector<std::int64_t> times;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const bool lineFeed = end != std::string_view::npos;
    if (!lineFeed) {
      end = text.size();
    }
    AppendLine(out, text.substr(start, end - start), lineFeed, offset, times);
    start = end + 1;
  }
  return out;
}

}  // namespace solvane
