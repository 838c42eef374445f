#include "base/wide_text.h"

#include <algorithm>
#include <cstdint>

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

namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::optional<std::string> WideToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (IsHighSurrogate(unit)) {
      if (i + 1 >= text.size() || !IsLowSurrogate(text[i + 1])) {
        return std::nullopt;
      }
      const char32_t code = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                            (static_cast<char32_t>(text[i + 1]) - 0xDC00);
      AppendUtf8(out, code);
      ++i;
    } else if (IsLowSurrogate(unit)) {
      return std::nullopt;
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

std::optional<std::u16string> Utf8ToWide(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    std::size_t extra = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
      code = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, code = lead & 0x07, minimum = 0x10000;
    } else {
      return std::nullopt;
    }
    if (text.size() - i <= extra) {
      return std::nullopt;
    }
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto follow = static_cast<std::uint8_t>(text[i + k]);
      if ((follow & 0xC0) != 0x80) {
        return std::nullopt;
      }
      code = (code << 6) | (follow & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      return std::nullopt;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(code));
    }
    i += extra + 1;
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
