#pragma once
// The command line: the component framework's self-registration switches,
// which register nothing of this program's (a start with one of them ends at
// once with success), and the files and folders to open.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace solvane {

// "RegServer" or "UnregServer" after "-" or "/", in any letter case.
bool IsRegistrationSwitch(std::string_view argument);

// True when any argument after the program's name is such a switch.
bool HasRegistrationSwitch(std::span<const char* const> arguments);

// The path an argument names, as it was given (relative or absolute): the
// argument itself, or the local file of a "file://" URI (host empty or
// "localhost"), percent escapes decoded. Nothing for an option ("-..."), an
// empty path, a URI of another host or with a broken escape, and a name whose
// bytes are not UTF-8: such a name has no UTF-16 form that names exactly that
// file, and a substitute would name another one.
std::optional<std::u16string> CommandLinePath(std::string_view argument);

}  // namespace solvane
