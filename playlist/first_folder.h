#pragma once
// The folder the file browser shows the first time it opens in a run: the
// user's music folder as the desktop names it, else the home folder, else the
// root. Up_Folder still climbs from there to the root.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace solvane {

// The value of an environment variable, nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// This process's environment.
std::optional<std::string> ProcessEnvironment(const char* name);

// XDG_MUSIC_DIR from the text of a user-dirs.dirs file: the last assignment,
// in double quotes (or bare), with backslash escapes undone and a leading
// "$HOME" or "${HOME}" replaced by `home`. Nothing when it is missing, when it
// needs a home that is not given, or when it is not an absolute path.
std::optional<std::string> MusicFolderFromUserDirs(std::string_view text,
                                                   std::optional<std::string_view> home);

// The first of these that is a folder: XDG_MUSIC_DIR from
// $XDG_CONFIG_HOME/user-dirs.dirs (~/.config/user-dirs.dirs when the variable
// is unset or not absolute), then $HOME, then "/". UTF-16, absolute, ending
// with '/', short enough for the browser to list.
std::u16string FirstBrowserFolder(const EnvironmentLookup& environment);

}  // namespace solvane
