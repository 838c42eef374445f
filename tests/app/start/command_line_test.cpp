#include "app/start/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace solvane {
namespace {

TEST(CommandLine, KnowsOnlyTheRegistrationSwitches) {
  for (const char* argument :
       {"-RegServer", "/RegServer", "-UnregServer", "/unregserver", "-REGSERVER"}) {
    EXPECT_TRUE(IsRegistrationSwitch(argument)) << argument;
  }
  for (const char* argument : {"RegServer", "--RegServer", "-RegServer2", "-", "/", "", "-Reg",
                               "song.mp3", "/music/RegServer"}) {
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

TEST(CommandLine, AnswersHelpAndVersionWhereverTheyStand) {
  struct Case {
    std::vector<const char*> arguments;
    std::optional<std::string> text;
  };
  const std::string help = InformationAsked(std::vector<const char*>{"solvane", "--help"}, "1.2.3").value();
  EXPECT_EQ(help.rfind("Usage: solvane", 0), 0u);
  const Case cases[] = {
      {{"solvane", "--version"}, "Solvane 1.2.3\n"},
      {{"solvane", "song.mp3", "--version"}, "Solvane 1.2.3\n"},
      {{"solvane", "-h"}, help},
      {{"solvane", "--version", "--help"}, "Solvane 1.2.3\n"},
      {{"solvane", "song.mp3"}, std::nullopt},
      {{"--version"}, std::nullopt},  // the program's own name
      {{"solvane", "--versions"}, std::nullopt},
      {{}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(InformationAsked(c.arguments, "1.2.3"), c.text) << c.arguments.size();
  }
}

}  // namespace
}  // namespace solvane
