#pragma once
// Whole-file reading and replacing for small files, by UTF-8 path.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace solvane {

// The first `maxBytes` bytes of the file (all of a shorter one); nothing when
// it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& path,
                                                       std::size_t maxBytes);

// Replaces the file with `bytes` so that it is never left half written: the
// bytes go to a temporary file in the same folder, every write is checked, the
// data is flushed to the disk and the temporary file is then renamed over the
// old one. On any failure the old file stays as it was, the temporary file is
// removed and the result is false.
bool ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace solvane
