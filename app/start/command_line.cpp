#include "app/start/command_line.h"

#include <algorithm>

#include "base/ascii_case.h"

namespace solvane {

bool IsRegistrationSwitch(std::string_view argument) {
  if (argument.size() < 2 || (argument.front() != '-' && argument.front() != '/')) {
    return false;
  }
  const std::string_view name = argument.substr(1);
  return EqualsIgnoringAsciiCase(name, "RegServer") || EqualsIgnoringAsciiCase(name, "UnregServer");
}

bool HasRegistrationSwitch(std::span<const char* const> arguments) {
  return std::any_of(
      arguments.begin() + (arguments.empty() ? 0 : 1), arguments.end(),
      [](const char* argument) { return argument != nullptr && IsRegistrationSwitch(argument); });
}

namespace {

constexpr std::string_view kHelpText =
    "Usage: solvane [FILE | FOLDER | file://URI]...\n"
    "A music player that shows the lyrics of the playing song from the LRC file\n"
    "beside it.\n"
    "\n"
    "Files and folders named here replace the playlist (a folder adds its media\n"
    "files in name order, 300 entries at most) and the first that plays starts.\n"
    "When the player is running already, they are handed to it.\n"
    "\n"
    "  --help       show this text and exit\n"
    "  --version    show the version and exit\n";

}  // namespace

std::optional<std::string> InformationAsked(std::span<const char* const> arguments,
                                            std::string_view version) {
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i] == nullptr ? "" : arguments[i];
    if (argument == "--help" || argument == "-h") {
      return std::string(kHelpText);
    }
    if (argument == "--version") {
      return "Solvane " + std::string(version) + "\n";
    }
  }
  return std::nullopt;
}

}  // namespace solvane
