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

// The first of these that is a folder: `musicFolder` (the desktop's music
// folder, see Shell::MusicFolder), then $HOME, then "/". UTF-16, absolute,
// ending with '/', short enough for the browser to list.
std::u16string FirstBrowserFolder(std::u16string_view musicFolder,
                                  const EnvironmentLookup& environment);

}  // namespace solvane
