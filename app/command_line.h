#pragma once
// The command line: the component framework's self-registration switches,
// which register nothing of this program's (a start with one of them ends at
// once with success), "--help" and "--version", which print and end, and the
// files and folders to open.

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

// The path a "file://" URI names, decoded as CommandLinePath decodes one: a
// broken escape, an escaped '/' or NUL, a fragment, another host and bytes
// that are not UTF-8 give nothing. Nothing for any other text.
std::optional<std::u16string> FileUriPath(std::string_view uri);

// The text to print for "--help" (or "-h") or "--version" among the
// arguments after the program's name, whichever comes first; nothing when
// neither does. `version` is the program's version ("0.91.0").
std::optional<std::string> InformationAsked(std::span<const char* const> arguments,
                                            std::string_view version);

}  // namespace solvane
