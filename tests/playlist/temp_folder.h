#pragma once
// A fresh folder under the system's temporary folder, removed with its
// contents when the test ends.

#include <filesystem>
#include <string>

namespace solvane {

class TempFolder {
 public:
  TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  const std::filesystem::path& path() const { return path_; }
  // The folder as the browser holds it: UTF-16, ending with '/'.
  std::u16string WideFolder() const;

 private:
  std::filesystem::path path_;
};

}  // namespace solvane
