#pragma once
// A fresh folder under the system's temporary folder that a test fills with
// files and sub-folders; it is removed with its contents when the test ends.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace solvane::testing {

class MadeFolder {
 public:
  MadeFolder();
  MadeFolder(const MadeFolder&) = delete;
  MadeFolder& operator=(const MadeFolder&) = delete;
  ~MadeFolder();

  const std::filesystem::path& Path() const { return path_; }
  // The folder as the program holds folders: UTF-16, ending with '/'.
  std::u16string Wide() const;

  // Makes a file of `bytes` bytes at `relative` (its folders too).
  std::filesystem::path File(std::string_view relative, std::size_t bytes = 0) const;
  // Makes a FIFO (named pipe) at `relative`, whose opening for reading would
  // wait for a writer.
  std::filesystem::path Fifo(std::string_view relative) const;
  // Makes the folder `relative` (and the folders above it).
  std::filesystem::path Folder(std::string_view relative) const;

 private:
  std::filesystem::path path_;
};

}  // namespace solvane::testing
