#pragma once
// What the file browser does when it opens, when a row is tapped and when one
// of its soft keys is pressed. The dialog around it only shows the listing and
// closes when told to.
//
// Open mode (addMode 0): what the user takes replaces the playlist and plays at
// once. Add mode (addMode 1): it is appended and nothing starts. Every way of
// taking files closes the browser, so one opening adds one file or one folder's
// files.

#include <cstdint>

#include "playback/playback_control.h"
#include "base/browser_listing.h"
#include "views/playlist_view_logic.h"

namespace solvane {

// The soft keys of the browser.
inline constexpr int kCmdUpFolder = 40036;
inline constexpr int kCmdAddAll = 40037;
inline constexpr int kCmdBrowserCancel = 40038;

struct BrowserSoftKey {
  int commandId;
  const char* text;  // shown exactly, trailing blanks included
};

inline constexpr BrowserSoftKey kBrowserSoftKeys[] = {
    {kCmdUpFolder, "Up_Folder   "},
    {kCmdAddAll, "Add_All    "},
    {kCmdBrowserCancel, "Cancel"},
};

struct BrowserSession {
  PlaybackContext& playback;
  // The listing that playback.browser names, writable here.
  BrowserListing& listing;
  // The playlist view while it exists, else null.
  PlaylistViewList* playlistView;
};

enum class BrowserAction {
  kNone,      // nothing changed
  kRelisted,  // the listing now shows another folder: show its rows again
  kClose,     // close the browser
};

// Lists the folder where the browser was left; the first time in a run, the
// user's music folder (see first_folder.h).
void OpenFileBrowser(BrowserSession& session);

// A tap on row `row` of the listing: a folder is entered (refused when its path
// would not fit), a file is taken as the mode says. Taps outside the rows do
// nothing.
BrowserAction TapBrowserRow(BrowserSession& session, std::int32_t row);

// "Up_Folder   ", "Add_All    " or "Cancel"; any other id does nothing.
BrowserAction RunBrowserCommand(BrowserSession& session, int commandId);

}  // namespace solvane
