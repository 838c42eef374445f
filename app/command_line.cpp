#include "app/command_line.h"

#include <algorithm>
#include <cctype>

namespace solvane {
namespace {

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
  return text.size() == word.size() &&
         std::equal(text.begin(), text.end(), word.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

}  // namespace

bool IsRegistrationSwitch(std::string_view argument) {
  if (argument.size() < 2 || (argument.front() != '-' && argument.front() != '/')) {
    return false;
  }
  const std::string_view name = argument.substr(1);
  return EqualsIgnoringCase(name, "RegServer") || EqualsIgnoringCase(name, "UnregServer");
}

bool HasRegistrationSwitch(std::span<const char* const> arguments) {
  return std::any_of(arguments.begin() + (arguments.empty() ? 0 : 1), arguments.end(),
                     [](const char* argument) {
                       return argument != nullptr && IsRegistrationSwitch(argument);
                     });
}

}  // namespace solvane
