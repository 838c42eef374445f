#include "app/start/program_folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>

#include "base/wide_text.h"

namespace solvane {
namespace {

constexpr char kDataFileName[] = "wvrc.sv";

std::u16string WithSlash(std::u16string folder) {
  if (folder.empty() || folder.back() != u'/') {
    folder += u'/';
  }
  return folder;
}

// "<prefix>/share/solvane/" for a program folder "<prefix>/bin/".
std::u16string InstalledDataFolder(const std::u16string& programFolder) {
  std::u16string folder = programFolder;
  while (folder.size() > 1 && folder.back() == u'/') {
    folder.pop_back();
  }
  const std::size_t slash = folder.rfind(u'/');
  const std::u16string prefix = slash == std::u16string::npos ? u"" : folder.substr(0, slash);
  return prefix + u"/share/solvane/";
}

std::u16string EnvironmentText(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::u16string() : Utf8ToWide(value).value_or(std::u16string());
}

// Creates `folder` and each missing parent with mode 0700.
void MakePrivateFolders(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
       slash = folder.find('/', slash + 1)) {
    ::mkdir(folder.substr(0, slash).c_str(), 0700);
  }
  ::mkdir(folder.c_str(), 0700);
}

}  // namespace

ProgramFolders ChooseProgramFolders(const FolderFacts& facts) {
  const std::u16string program = WithSlash(facts.programFolder);
  if (facts.programFolderHasData && facts.programFolderWritable) {
    return {program, program};
  }
  std::u16string stateHome = facts.stateHome;
  // A relative XDG_STATE_HOME is not to be used.
  if (stateHome.empty() || stateHome.front() != u'/') {
    stateHome = WithSlash(facts.home.empty() ? std::u16string(u"/") : facts.home) + u".local/state";
  }
  return {facts.programFolderHasData ? program : InstalledDataFolder(program),
          WithSlash(stateHome) + u"solvane/"};
}

ProgramFolders ProgramFoldersOnThisSystem(const std::u16string& programFolder) {
  FolderFacts facts;
  facts.programFolder = programFolder;
  if (const std::optional<std::string> folder = WideToUtf8(WithSlash(programFolder))) {
    struct stat info{};
    const std::string dataPath = *folder + kDataFileName;
    facts.programFolderHasData = ::stat(dataPath.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    facts.programFolderWritable = ::access(folder->c_str(), W_OK | X_OK) == 0;
  }
  facts.stateHome = EnvironmentText("XDG_STATE_HOME");
  facts.home = EnvironmentText("HOME");
  ProgramFolders folders = ChooseProgramFolders(facts);
  if (folders.user != folders.data) {
    if (const std::optional<std::string> user = WideToUtf8(folders.user)) {
      MakePrivateFolders(user->substr(0, user->size() - 1));
    }
  }
  return folders;
}

}  // namespace solvane
