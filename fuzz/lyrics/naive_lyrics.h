#pragma once
// A deliberately plain reading of lyric bytes, one byte position at a time,
// to check the fast scanners against.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace solvane::naive {

using Bytes = std::vector<std::uint8_t>;

inline std::optional<std::int32_t> TagAt(const Bytes& bytes, std::size_t at) {
  if (at + 10 > bytes.size()) {
    return std::nullopt;
  }
  const auto digit = [&](std::size_t k) { return bytes[at + k] >= '0' && bytes[at + k] <= '9'; };
  const auto value = [&](std::size_t k) { return static_cast<std::int32_t>(bytes[at + k] - '0'); };
  if (bytes[at] != '[' || !digit(1) || !digit(2) || bytes[at + 3] != ':' || !digit(4) ||
      !digit(5) || bytes[at + 6] != '.' || !digit(7) || bytes[at + 9] != ']') {
    return std::nullopt;
  }
  return (10 * value(1) + value(2)) * 600 + (10 * value(4) + value(5)) * 10 + value(7);
}

inline std::vector<std::int32_t> TagIndex(const Bytes& bytes) {
  std::vector<std::int32_t> times;
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    if (const auto tag = TagAt(bytes, at)) {
      times.push_back(*tag);
    }
  }
  return times;
}

// The bytes of a zero-terminated text as a string shows them.
inline std::string UpToNul(std::string text) { return text.substr(0, text.find('\0')); }

inline bool IsContinuation(std::uint8_t byte) { return byte >= 0x80 && byte <= 0xBF; }

// The bytes up to `stop`, at most 129. When the limit cuts a character (the
// next byte continues it), the character's bytes are left out: up to two
// continuation bytes and the lead before them, when a lead stands there (a
// character has at most three continuation bytes, one of them past the cut).
inline std::string Run(const Bytes& bytes, std::size_t from, std::uint8_t stop) {
  std::string run;
  std::size_t at = from;
  for (; at < bytes.size() && bytes[at] != stop && run.size() < 129; ++at) {
    run.push_back(static_cast<char>(bytes[at]));
  }
  if (run.size() < 129 || at >= bytes.size() || !IsContinuation(bytes[at])) {
    return run;
  }
  std::size_t keep = run.size();
  while (keep > 0 && run.size() - keep < 2 && IsContinuation(static_cast<std::uint8_t>(run[keep - 1]))) {
    --keep;
  }
  if (keep > 0 && static_cast<std::uint8_t>(run[keep - 1]) >= 0xC0) {
    run.resize(keep - 1);
  }
  return run;
}

inline std::string Header(const Bytes& bytes, const char* key) {
  std::string field;
  for (std::size_t at = 1; at + 3 <= bytes.size(); ++at) {
    if (bytes[at] == key[0] && bytes[at + 1] == key[1] && bytes[at + 2] == key[2]) {
      const std::string value = Run(bytes, at + 3, ']');
      if (!value.empty()) {
        field = value;
      }
    }
  }
  return UpToNul(field);
}

inline std::vector<std::pair<std::int32_t, std::string>> Window(const Bytes& bytes,
                                                                std::int32_t start) {
  std::vector<std::pair<std::int32_t, std::string>> lines;
  for (std::size_t at = 0; at < bytes.size() && lines.size() < 20; ++at) {
    const auto tag = TagAt(bytes, at);
    if (!tag || *tag < start) {
      continue;
    }
    std::string text = Run(bytes, at + 10, '\n');
    if (!text.empty() && static_cast<std::uint8_t>(text.back()) < 0x20) {
      text.pop_back();
    }
    lines.emplace_back(*tag, UpToNul(text));
  }
  return lines;
}

// The tag the tick takes: the first e with last < e < now, or e == now.
inline std::optional<std::int32_t> PassedTag(const std::int32_t* index, std::int32_t count,
                                             std::int32_t last, std::int32_t now) {
  for (std::int32_t i = 0; i < count; ++i) {
    const std::int64_t e = index[i];
    if ((last < e && e < now) || e == now) {
      return index[i];
    }
  }
  return std::nullopt;
}

}  // namespace solvane::naive
