#pragma once
// The command line takes only the component framework's self-registration
// switches, which register nothing of this program's: a start with one of them
// ends at once with success.

#include <span>
#include <string_view>

namespace solvane {

// "RegServer" or "UnregServer" after "-" or "/", in any letter case.
bool IsRegistrationSwitch(std::string_view argument);

// True when any argument after the program's name is such a switch.
bool HasRegistrationSwitch(std::span<const char* const> arguments);

}  // namespace solvane
