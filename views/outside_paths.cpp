#include "views/outside_paths.h"

#include <cctype>
#include <string>

#include "base/ascii_case.h"
#include "base/wide_text.h"

namespace solvane {
namespace {

int HexValue(char digit) {
  if (digit >= '0' && digit <= '9') {
    return digit - '0';
  }
  const int lower = std::tolower(static_cast<unsigned char>(digit));
  return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// "%xx" escapes turned into their bytes; nothing when an escape is broken or
// stands for a '/' or a NUL, which GLib's URI rule refuses too: a path's
// separators are written as they are.
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
    if (high < 0 || low < 0 || high * 16 + low == '/' || high * 16 + low == 0) {
      return std::nullopt;
    }
    bytes.push_back(static_cast<char>(high * 16 + low));
    i += 2;
  }
  return bytes;
}

// The file system path of a "file://" URI's bytes after the scheme. A '#'
// would begin a fragment, which a local file URI may not have.
std::optional<std::string> LocalFileOfUri(std::string_view afterScheme) {
  const std::size_t pathStart = afterScheme.find('/');
  if (pathStart == std::string_view::npos || afterScheme.find('#') != std::string_view::npos) {
    return std::nullopt;
  }
  const std::string_view host = afterScheme.substr(0, pathStart);
  if (!host.empty() && !EqualsIgnoringAsciiCase(host, "localhost")) {
    return std::nullopt;
  }
  return PercentDecoded(afterScheme.substr(pathStart));
}

// The UTF-16 form of a path's bytes; nothing for an empty path, one holding a
// NUL, and one that is not UTF-8.
std::optional<std::u16string> PathOfBytes(const std::optional<std::string>& bytes) {
  if (!bytes || bytes->empty() || bytes->find('\0') != std::string::npos) {
    return std::nullopt;
  }
  return Utf8ToWide(*bytes);
}

constexpr std::string_view kFileScheme = "file://";

bool IsFileUri(std::string_view text) {
  return text.size() >= kFileScheme.size() &&
         EqualsIgnoringAsciiCase(text.substr(0, kFileScheme.size()), kFileScheme);
}

}  // namespace

std::optional<std::u16string> FileUriPath(std::string_view uri) {
  if (!IsFileUri(uri)) {
    return std::nullopt;
  }
  return PathOfBytes(LocalFileOfUri(uri.substr(kFileScheme.size())));
}

std::optional<std::u16string> CommandLinePath(std::string_view argument) {
  if (argument.empty() || argument.front() == '-') {
    return std::nullopt;
  }
  if (IsFileUri(argument)) {
    return FileUriPath(argument);
  }
  return PathOfBytes(std::string(argument));
}

}  // namespace solvane
