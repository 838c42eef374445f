#include "app/start/program_folders.h"

#include <gtest/gtest.h>

namespace solvane {
namespace {

struct FolderCase {
  const char* what;
  FolderFacts facts;
  ProgramFolders expected;
};

TEST(ChooseProgramFolders, KeepsAWritableProgramFolderElseUsesTheInstalledFolders) {
  const FolderCase cases[] = {
      {"a writable folder with the face keeps everything",
       {u"/home/me/solvane/", true, true, u"/state", u"/home/me"},
       {u"/home/me/solvane/", u"/home/me/solvane/"}},
      {"an installed program reads the prefix's data",
       {u"/usr/local/bin/", false, false, u"", u"/home/me"},
       {u"/usr/local/share/solvane/", u"/home/me/.local/state/solvane/"}},
      {"XDG_STATE_HOME holds the user's files",
       {u"/opt/x/bin", false, true, u"/var/me/", u"/home/me"},
       {u"/opt/x/share/solvane/", u"/var/me/solvane/"}},
      {"a relative XDG_STATE_HOME is ignored",
       {u"/usr/bin/", false, false, u"state", u"/home/me/"},
       {u"/usr/share/solvane/", u"/home/me/.local/state/solvane/"}},
      {"a read-only folder with the face still reads it there",
       {u"/mnt/cd/", true, false, u"/s", u"/home/me"},
       {u"/mnt/cd/", u"/s/solvane/"}},
      {"no HOME falls back to the root folder",
       {u"/usr/bin/", false, false, u"", u""},
       {u"/usr/share/solvane/", u"/.local/state/solvane/"}},
  };
  for (const FolderCase& c : cases) {
    const ProgramFolders folders = ChooseProgramFolders(c.facts);
    EXPECT_EQ(folders.data, c.expected.data) << c.what;
    EXPECT_EQ(folders.user, c.expected.user) << c.what;
  }
}

}  // namespace
}  // namespace solvane
