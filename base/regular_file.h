#pragma once
// Media, lyric and state files are regular files (links followed). Anything
// else a path can name (a FIFO, a device, a socket) is refused without being
// opened: opening a FIFO for reading waits for a writer, and a device may
// never answer, which would freeze the player.

#include <cstdio>
#include <string>

namespace solvane {

// Whether `path` names a regular file, links followed. Asks the file system
// about the name only; nothing is opened.
bool IsRegularFile(const std::string& path);

// Opens the regular file at `path` for reading; -1 (errno set) when it is not
// one or cannot be opened. The open itself never blocks: the name is checked
// first, and the descriptor is checked again once open, so that a FIFO put in
// the file's place between the two is refused too.
int OpenRegularFileForReading(const std::string& path);

// The same as a stdio stream for binary reading; null when refused.
std::FILE* OpenRegularFileStream(const std::string& path);

// A name that opens the file open at `fd` again, whatever has become of the
// name it was opened by (renamed, removed, or a FIFO in its place): for
// libraries that take a name where the file has already been opened and
// checked.
std::string DescriptorPath(int fd);

}  // namespace solvane
