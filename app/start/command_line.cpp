#include "app/start/command_line.h"

#include <algorithm>
#include <cctype>

#include "base/wide_text.h"

namespace solvane {
namespace {

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
  return text.size() == word.size() &&
         std::equal(text.begin(), text.end(), word.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

int HexValue(char digit) {
  if (digit >= '0' && digit <= '9') {
    return digit - '0';
  }
  const int lower = std::tolower(static_cast<unsigned char>(digit));
  return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// "%xx" escapes turned into their bytes; nothing when an escape is broken.
std::optional<std::string> PercentDecoded(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      bytes.push_back(text[i]);
      continue;
    }
    if (i + 2 >= text.size()) {
      return std::nullopt;
    }
    const int high = HexValue(text[i + 1]);
    const int low = HexValue(text[i + 2]);
    if (high < 0 || low < 0) {
      return std::nullopt;
    }
    bytes.push_back(static_cast<char>(high * 16 + low));
    i += 2;
  }
  return bytes;
}

// The file system path of a "file://" URI's bytes after the scheme.
std::optional<std::string> LocalFileOfUri(std::string_view afterScheme) {
  const std::size_t pathStart = afterScheme.find('/');
  if (pathStart == std::string_view::npos) {
    return std::nullopt;
  }
  const std::string_view host = afterScheme.substr(0, pathStart);
  if (!host.empty() && !EqualsIgnoringCase(host, "localhost")) {
    return std::nullopt;
  }
  return PercentDecoded(afterScheme.substr(pathStart));
}

}  // namespace

bool IsRegistrationSwitch(std::string_view argument) {
  if (argument.size() < 2 || (argument.front() != '-' && argument.front() != '/')) {
    return false;
  }
  const std::string_view name = argument.substr(1);
  return EqualsIgnoringCase(name, "RegServer") || EqualsIgnoringCase(name, "UnregServer");
}

bool HasRegistrationSwitch(std::span<const char* const> arguments) {
  return std::any_of(
      arguments.begin() + (arguments.empty() ? 0 : 1), arguments.end(),
      [](const char* argument) { return argument != nullptr && IsRegistrationSwitch(argument); });
}

std::optional<std::u16string> CommandLinePath(std::string_view argument) {
  constexpr std::string_view kFileScheme = "file://";
  if (argument.empty() || argument.front() == '-') {
    return std::nullopt;
  }
  std::optional<std::string> bytes;
  if (argument.size() >= kFileScheme.size() &&
      EqualsIgnoringCase(argument.substr(0, kFileScheme.size()), kFileScheme)) {
    bytes = LocalFileOfUri(argument.substr(kFileScheme.size()));
  } else {
    bytes = std::string(argument);
  }
  if (!bytes || bytes->empty() || bytes->find('\0') != std::string::npos) {
    return std::nullopt;
  }
  return Utf8ToWide(*bytes);
}

}  // namespace solvane
