#pragma once
// The command line: the component framework's self-registration switches,
// which register nothing of this program's (a start with one of them ends at
// once with success), and "--help" and "--version", which print and end. The
// files and folders to open are read by views/outside_paths.h.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace solvane {

// "RegServer" or "UnregServer" after "-" or "/", in any letter case.
bool IsRegistrationSwitch(std::string_view argument);

// True when any argument after the program's name is such a switch.
bool HasRegistrationSwitch(std::span<const char* const> arguments);

// The text to print for "--help" (or "-h") or "--version" among the
// arguments after the program's name, whichever comes first; nothing when
// neither does. `version` is the program's version ("0.91.0").
std::optional<std::string> InformationAsked(std::span<const char* const> arguments,
                                            std::string_view version);

}  // namespace solvane
