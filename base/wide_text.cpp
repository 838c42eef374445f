#include "base/wide_text.h"

#include <algorithm>
#include <cstdint>

#include "base/utf8.h"

namespace solvane {

std::size_t WideLength(const char16_t* field, std::size_t capacity) {
  std::size_t length = 0;
  while (length < capacity && field[length] != u'\0') {
    ++length;
  }
  return length;
}

std::u16string_view WideView(const char16_t* field, std::size_t capacity) {
  return {field, WideLength(field, capacity)};
}

bool WideCopy(char16_t* field, std::size_t capacity, std::u16string_view text) {
  if (capacity == 0) {
    return text.empty();
  }
  const std::size_t count = std::min(text.size(), capacity - 1);
  std::copy_n(text.data(), count, field);
  field[count] = u'\0';
  return count == text.size();
}

bool WideAppend(char16_t* field, std::size_t capacity, std::u16string_view text) {
  const std::size_t length = WideLength(field, capacity);
  if (length == capacity || length + text.size() >= capacity) {
    return false;
  }
  std::copy_n(text.data(), text.size(), field + length);
  field[length + text.size()] = u'\0';
  return true;
}

std::optional<std::string> WideToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t unit = text[i];
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf8(out, JoinSurrogates(unit, text[i + 1]));
      ++i;
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      return std::nullopt;
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

std::optional<std::u16string> Utf8ToWide(std::string_view text) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  std::u16string out;
  out.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    const Utf8Step step = ReadUtf8(bytes, text.size(), at);
    if (!step.whole) {
      return std::nullopt;
    }
    AppendUtf16(out, step.code);
    at += step.length;
  }
  return out;
}

std::u16string Wide(std::string_view utf8) { return Utf8ToWide(utf8).value_or(u""); }

std::size_t LastSeparator(std::u16string_view path) {
  if (path.size() < 2) {
    return 0;
  }
  const std::size_t found = path.substr(0, path.size() - 1).rfind(u'/');
  return found == std::u16string_view::npos ? 0 : found;
}

}  // namespace solvane
