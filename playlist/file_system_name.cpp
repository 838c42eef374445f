#include "playlist/file_system_name.h"

#include "base/wide_text.h"

namespace solvane {

std::optional<std::string> FileSystemName(std::u16string_view path) {
  if (path.empty() || path.find(u'\0') != std::u16string_view::npos) {
    return std::nullopt;
  }
  return WideToUtf8(path);
}

}  // namespace solvane
