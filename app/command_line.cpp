#include "app/command_line.h"

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

namespace {

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
         EqualsIgnoringCase(text.substr(0, kFileScheme.size()), kFileScheme);
}

constexpr std::string_view kHelpText =
    "Usage: solvane [FILE | FOLDER | file://URI]...\n"
    "A music player that shows the lyrics of the playing song from the LRC file\n"
    "beside it.\n"
    "\n"
    "Files and folders named here replace the playlist (a folder adds its media\n"
    "files in name order, 300 entries at most) and the first that plays starts.\n"
    "When the player is running already, they are handed to it.\n"
    "\n"
    "  --help       show this text and exit\n"
    "  --version    show the version and exit\n";

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

std::optional<std::string> InformationAsked(std::span<const char* const> arguments,
                                            std::string_view version) {
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i] == nullptr ? "" : arguments[i];
    if (argument == "--help" || argument == "-h") {
      return std::string(kHelpText);
    }
    if (argument == "--version") {
      return "Solvane " + std::string(version) + "\n";
    }
  }
  return std::nullopt;
}

}  // namespace solvane
