#pragma once
// Whole-file reading and replacing for small files, by UTF-8 path.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace solvane {

// The first `maxBytes` bytes of the regular file at `path` (all of a shorter
// one); nothing when it is not a regular file (a FIFO or a device, which could
// block, is never opened) or cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& path,
                                                       std::size_t maxBytes);

// Replaces the file with `bytes` so that it is never left half written: the
// bytes go to a new file of a unique name in the same folder, every write is
// checked, the data is flushed to the disk and the new file is then renamed
// over the old one, taking its permission bits. A symbolic link stays a link:
// the file it points at is replaced. New files that earlier replacements of
// the same file left behind when they were killed are removed first. A folder
// in which no new file can be made, holding a file that can be written, gets
// that file overwritten where it stands, once the room for every new byte is
// reserved. Anything but a regular file in the file's place is left alone.
// On failure the result is false, errno says why, the old file stays as it
// was (short of the disk failing in the middle of an overwrite in place) and
// no new file is left behind.
bool ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace solvane
