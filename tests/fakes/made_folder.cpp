#include "tests/fakes/made_folder.h"

#include <sys/stat.h>

#include <fstream>
#include <random>
#include <stdexcept>
#include <system_error>

#include "base/wide_text.h"

namespace solvane::testing {

MadeFolder::MadeFolder() {
  std::random_device random;
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::filesystem::path candidate = base / ("solvane-test-" + std::to_string(random()));
    std::error_code error;
    if (std::filesystem::create_directory(candidate, error)) {
      path_ = std::filesystem::canonical(candidate);
      return;
    }
  }
  throw std::runtime_error("no temporary folder could be made");
}

MadeFolder::~MadeFolder() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

std::u16string MadeFolder::Wide() const { return Utf8ToWide(path_.native()).value_or(u"") + u'/'; }

std::filesystem::path MadeFolder::File(std::string_view relative, std::size_t bytes) const {
  const std::filesystem::path file = path_ / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  const std::string content(bytes, 'x');
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  return file;
}

std::filesystem::path MadeFolder::Fifo(std::string_view relative) const {
  const std::filesystem::path fifo = path_ / relative;
  std::filesystem::create_directories(fifo.parent_path());
  if (::mkfifo(fifo.c_str(), 0600) != 0) {
    throw std::runtime_error("cannot make the FIFO " + fifo.string());
  }
  return fifo;
}

std::filesystem::path MadeFolder::Folder(std::string_view relative) const {
  const std::filesystem::path folder = path_ / relative;
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace solvane::testing
