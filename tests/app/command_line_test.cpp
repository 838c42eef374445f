#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace solvane {
namespace {

TEST(CommandLine, KnowsOnlyTheRegistrationSwitches) {
  for (const char* argument : {"-RegServer", "/RegServer", "-UnregServer", "/unregserver",
                               "-REGSERVER"}) {
    EXPECT_TRUE(IsRegistrationSwitch(argument)) << argument;
  }
  for (const char* argument : {"RegServer", "--RegServer", "-RegServer2", "-", "/", "",
                               "-Reg", "song.mp3", "/music/RegServer"}) {
    EXPECT_FALSE(IsRegistrationSwitch(argument)) << argument;
  }
}

TEST(CommandLine, LooksPastTheProgramName) {
  const std::vector<const char*> withSwitch = {"solvane", "x", "/RegServer"};
  const std::vector<const char*> programOnly = {"-RegServer"};
  const std::vector<const char*> none = {"solvane", "-v"};
  EXPECT_TRUE(HasRegistrationSwitch(withSwitch));
  EXPECT_FALSE(HasRegistrationSwitch(programOnly));
  EXPECT_FALSE(HasRegistrationSwitch(none));
  EXPECT_FALSE(HasRegistrationSwitch({}));
}

}  // namespace
}  // namespace solvane
