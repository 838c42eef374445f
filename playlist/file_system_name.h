#pragma once
// Turning a UTF-16 path into the file system's UTF-8 name.

#include <optional>
#include <string>
#include <string_view>

namespace solvane {

// The UTF-8 form of `path`, or nothing when it has none that names exactly
// that path: unpaired surrogates, an embedded NUL (which would cut the name
// short and so name another file) or an empty path.
std::optional<std::string> FileSystemName(std::u16string_view path);

}  // namespace solvane
