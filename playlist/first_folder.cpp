#include "playlist/first_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "base/wide_text.h"
#include "playlist/file_bytes.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;

// A folders file is a few hundred bytes; anything past this is not one.
constexpr std::size_t kUserDirsLimit = 64 * 1024;
constexpr std::string_view kMusicKey = "XDG_MUSIC_DIR";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) {
    return {};
  }
  const std::size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// The value after '=': quoted text with its escapes undone, or the bare word.
std::string Unquote(std::string_view value) {
  if (value.empty() || value.front() != '"') {
    return std::string(value);
  }
  std::string text;
  for (std::size_t i = 1; i < value.size() && value[i] != '"'; ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) {
      ++i;
    }
    text += value[i];
  }
  return text;
}

std::optional<std::string> ExpandHome(const std::string& value,
                                      std::optional<std::string_view> home) {
  for (const std::string_view prefix : {std::string_view("${HOME}"), std::string_view("$HOME")}) {
    if (value.rfind(prefix, 0) == 0) {
      if (!home || home->empty()) {
        return std::nullopt;
      }
      return std::string(*home) + value.substr(prefix.size());
    }
  }
  return value;
}

bool IsAbsolute(const std::optional<std::string>& path) {
  return path && !path->empty() && path->front() == '/';
}

std::optional<std::string> ReadUserDirs(const EnvironmentLookup& environment,
                                        const std::optional<std::string>& home) {
  std::string file;
  if (const std::optional<std::string> configHome = environment("XDG_CONFIG_HOME");
      IsAbsolute(configHome)) {
    file = *configHome + "/user-dirs.dirs";
  } else if (IsAbsolute(home)) {
    file = *home + "/.config/user-dirs.dirs";
  } else {
    return std::nullopt;
  }
  const std::optional<std::vector<std::uint8_t>> bytes = ReadFileStart(file, kUserDirsLimit);
  if (!bytes) {
    return std::nullopt;
  }
  return std::string(bytes->begin(), bytes->end());
}

// `path` as the browser holds a folder, when it names a folder that fits.
std::optional<std::u16string> BrowsableFolder(const std::optional<std::string>& path) {
  if (!IsAbsolute(path)) {
    return std::nullopt;
  }
  std::error_code error;
  if (!fs::is_directory(*path, error)) {
    return std::nullopt;
  }
  std::string normal = fs::path(*path).lexically_normal().string();
  if (normal.back() != '/') {
    normal += '/';
  }
  std::optional<std::u16string> wide = Utf8ToWide(normal);
  if (!wide || wide->size() >= kPathField) {
    return std::nullopt;
  }
  return wide;
}

}  // namespace

std::optional<std::string> ProcessEnvironment(const char* name) {
  if (const char* value = std::getenv(name)) {
    return std::string(value);
  }
  return std::nullopt;
}

std::optional<std::string> MusicFolderFromUserDirs(std::string_view text,
                                                   std::optional<std::string_view> home) {
  std::optional<std::string> found;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.rfind(kMusicKey, 0) != 0) {
      continue;
    }
    const std::string_view rest = Trim(line.substr(kMusicKey.size()));
    if (rest.empty() || rest.front() != '=') {
      continue;
    }
    found = Unquote(Trim(rest.substr(1)));
  }
  if (!found) {
    return std::nullopt;
  }
  std::optional<std::string> expanded = ExpandHome(*found, home);
  return IsAbsolute(expanded) ? expanded : std::nullopt;
}

std::u16string FirstBrowserFolder(const EnvironmentLookup& environment) {
  const std::optional<std::string> home = environment("HOME");
  if (const std::optional<std::string> userDirs = ReadUserDirs(environment, home)) {
    const std::optional<std::string_view> homeView =
        home ? std::optional<std::string_view>(*home) : std::nullopt;
    if (const std::optional<std::u16string> music =
            BrowsableFolder(MusicFolderFromUserDirs(*userDirs, homeView))) {
      return *music;
    }
  }
  if (const std::optional<std::u16string> homeFolder = BrowsableFolder(home)) {
    return *homeFolder;
  }
  return u"/";
}

}  // namespace solvane
