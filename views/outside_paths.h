#pragma once
// The names of files that come from outside the program, on its command line,
// from later starts and over MPRIS: paths or "file://" URIs, read by one rule.

#include <optional>
#include <string>
#include <string_view>

namespace solvane {

// The path an argument names, as it was given (relative or absolute): the
// argument itself, or the local file of a "file://" URI (host empty or
// "localhost"), percent escapes decoded. Nothing for an option ("-..."), an
// empty path, a URI of another host or with a broken escape, and a name whose
// bytes are not UTF-8: such a name has no UTF-16 form that names exactly that
// file, and a substitute would name another one.
std::optional<std::u16string> CommandLinePath(std::string_view argument);

// The path a "file://" URI names, decoded as CommandLinePath decodes one: a
// broken escape, an escaped '/' or NUL, a fragment, another host and bytes
// that are not UTF-8 give nothing. Nothing for any other text.
std::optional<std::u16string> FileUriPath(std::string_view uri);

}  // namespace solvane
