#pragma once
// Where the program finds its data ("wvrc.sv") and keeps the user's files
// (the state file, background images). A program folder the user can write
// that holds "wvrc.sv" keeps everything beside the executable; an installed
// program reads its data from <prefix>/share/solvane and keeps the user's
// files in $XDG_STATE_HOME/solvane (default ~/.local/state/solvane).

#include <string>

namespace solvane {

struct ProgramFolders {
  std::u16string data;  // ends with '/'
  std::u16string user;  // ends with '/'
};

// What ChooseProgramFolders needs to know of this system.
struct FolderFacts {
  std::u16string programFolder;  // the executable's folder, ending with '/'
  bool programFolderHasData = false;
  bool programFolderWritable = false;
  std::u16string stateHome;  // $XDG_STATE_HOME as set (may be empty or relative)
  std::u16string home;       // $HOME as set
};

ProgramFolders ChooseProgramFolders(const FolderFacts& facts);

// Looks at this system (the program folder's contents and permissions, the
// environment) and chooses. A user folder outside the program folder is
// created, with its missing parents, readable by the user alone.
ProgramFolders ProgramFoldersOnThisSystem(const std::u16string& programFolder);

}  // namespace solvane
