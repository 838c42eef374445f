#include "tests/playlist/temp_folder.h"

#include <stdlib.h>

#include <stdexcept>
#include <system_error>

#include "app/shared/wide_text.h"

namespace solvane {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "solvane-playlist-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot make a temporary folder");
  }
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::u16string TempFolder::WideFolder() const { return Wide(path_.string() + "/"); }

}  // namespace solvane
