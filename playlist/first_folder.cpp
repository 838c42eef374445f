#include "playlist/first_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "base/wide_text.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;

bool IsAbsolute(const std::optional<std::string>& path) {
  return path && !path->empty() && path->front() == '/';
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

std::u16string FirstBrowserFolder(std::u16string_view musicFolder,
                                  const EnvironmentLookup& environment) {
  for (const std::optional<std::string>& candidate :
       {WideToUtf8(musicFolder), environment("HOME")}) {
    if (const std::optional<std::u16string> folder = BrowsableFolder(candidate)) {
      return *folder;
    }
  }
  return u"/";
}

}  // namespace solvane
