#pragma once
// Words for why the engine refused a file, for the user who named it.

#include <string>

namespace solvane {

// What the file system says of `path` when it is missing, unreadable or not
// a regular file; else the decoder's complaint `engineError`; else a plain
// "not a file the engine can play". `path` is the file-system name, empty
// when the name had none.
std::string DescribeRefusal(const std::string& path, const std::string& engineError);

}  // namespace solvane
