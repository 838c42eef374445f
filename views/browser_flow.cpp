#include "views/browser_flow.h"

#include <string>

#include "playlist/file_browser.h"
#include "playlist/first_folder.h"
#include "playlist/playlist_ops.h"

namespace solvane {

namespace {

bool InOpenMode(const BrowserSession& session) { return session.playback.player.addMode == 0; }

bool IsListingRow(const BrowserListing& listing, std::int32_t row) {
  return row >= 0 && row < listing.count && row < kBrowserListingCapacity;
}

std::int32_t FirstFileRow(const BrowserListing& listing) {
  for (std::int32_t row = 0; IsListingRow(listing, row); ++row) {
    if (!IsFolder(listing.entries[row])) {
      return row;
    }
  }
  return -1;
}

// After files were added: the view shows the playlist afresh, when it is shown
// and there is something to show.
void RefreshViewAfterAdding(BrowserSession& session) {
  const PlaybackContext& playback = session.playback;
  if (playback.player.playlistShown != 0 && playback.playlist.playlistCount > 0) {
    RefreshPlaylistView(session.playback.playlist, playback.player, session.playlistView);
  }
}

BrowserAction EnterFolder(BrowserSession& session, std::int32_t row) {
  // The name is copied out: listing the folder overwrites the entries.
  const std::u16string name(WideView(session.listing.entries[row].name));
  return ListFolder(session.listing, name, session.playback.shell.ListingOrder())
             ? BrowserAction::kRelisted
             : BrowserAction::kNone;
}

BrowserAction TakeFile(BrowserSession& session, std::int32_t row) {
  Playlist& playlist = session.playback.playlist;
  if (InOpenMode(session)) {
    session.playback.player.paused = 0;  // what starts plays, whatever was paused
    StartBrowserFile(session.playback, row);
    EmptyPlaylist(playlist);
  }
  AddBrowserEntry(playlist, session.listing, row);
  RefreshViewAfterAdding(session);
  return BrowserAction::kClose;
}

BrowserAction GoUp(BrowserSession& session) {
  return UpFolder(session.listing, session.playback.shell.ListingOrder())
             ? BrowserAction::kRelisted
             : BrowserAction::kNone;
}

BrowserAction AddAll(BrowserSession& session) {
  Playlist& playlist = session.playback.playlist;
  const bool hasFiles = BrowserHasFiles(session.listing);
  if (InOpenMode(session) && hasFiles) {
    EmptyPlaylist(playlist);
  }
  AddAllBrowserFiles(playlist, session.listing);
  if (hasFiles) {
    if (InOpenMode(session)) {
      session.playback.player.paused = 0;
      StartBrowserFile(session.playback, FirstFileRow(session.listing));
      playlist.currentIndex = 0;
    }
    RefreshViewAfterAdding(session);
  }
  return BrowserAction::kClose;
}

BrowserAction Cancel(BrowserSession&) { return BrowserAction::kClose; }

struct CommandHandler {
  int commandId;
  BrowserAction (*run)(BrowserSession&);
};

constexpr CommandHandler kCommandHandlers[] = {
    {kCmdUpFolder, GoUp},
    {kCmdAddAll, AddAll},
    {kCmdBrowserCancel, Cancel},
};

}  // namespace

void OpenFileBrowser(BrowserSession& session) {
  const bool firstOpening = session.listing.browserFolder[0] == u'\0';
  const Shell& shell = session.playback.shell;
  ReopenBrowserFolder(session.listing,
                      firstOpening ? FirstBrowserFolder(shell.MusicFolder(), ProcessEnvironment)
                                   : std::u16string(u"/"),
                      shell.ListingOrder());
}

BrowserAction TapBrowserRow(BrowserSession& session, std::int32_t row) {
  if (!IsListingRow(session.listing, row)) {
    return BrowserAction::kNone;
  }
  return IsFolder(session.listing.entries[row]) ? EnterFolder(session, row)
                                                 : TakeFile(session, row);
}

BrowserAction RunBrowserCommand(BrowserSession& session, int commandId) {
  for (const CommandHandler& handler : kCommandHandlers) {
    if (handler.commandId == commandId) {
      return handler.run(session);
    }
  }
  return BrowserAction::kNone;
}

}  // namespace solvane
