#include "app/input/command_table.h"

#include <iterator>

#include "app/input/command_ids.h"
#include "playlist/playlist_ops.h"

namespace solvane {
namespace {

void Invalidate(InputContext& context) { context.playback.shell.InvalidateMainWindow(); }

void Invert(std::int32_t& flag) { flag = flag != 0 ? 0 : 1; }

void OpenFiles(InputContext& context) {
  context.playback.player.addMode = 0;
  context.window.ShowFileBrowser();
}

void AddFiles(InputContext& context) {
  context.playback.player.addMode = 1;
  context.window.ShowFileBrowser();
}

void About(InputContext& context) { context.window.ShowAboutDialog(); }

void Options(InputContext& context) { context.window.ShowOptionsDialog(); }

void Exit(InputContext& context) {
  context.window.StopPollTimer();
  context.window.CloseMainWindow();
}

void Repeat(InputContext& context) {
  Invert(context.playback.player.repeat);
  Invalidate(context);
}

void Shuffle(InputContext& context) {
  Invert(context.playback.player.shuffle);
  Invalidate(context);
}

void MarkAB(InputContext& context) {
  ToggleABMark(context.playback);
  Invalidate(context);
}

void PlayPause(InputContext& context) {
  const PlayerState& player = context.playback.player;
  if (player.trackLoaded != 0 || player.trackChosen != 0) {
    DispatchCommand(context, kCmdTogglePlay);
  }
  Invalidate(context);
}

void Stop(InputContext& context) {
  StopFromMenu(context.playback);
  Invalidate(context);
}

void NextEntry(InputContext& context) { Next(context.playback); }

void PreviousEntry(InputContext& context) { Previous(context.playback); }

void Delete(InputContext& context) {
  Playlist& playlist = context.playback.playlist;
  DeleteEntry(playlist, playlist.highlightedRow, context.window.PlaylistViewRows());
}

void DeleteEverything(InputContext& context) {
  DeleteAll(context.playback.playlist, context.window.PlaylistViewRows());
}

void Hide(InputContext& context) { context.window.MinimizeMainWindow(); }

// Remembers where the window stood and shrinks it to its menu bar. Minimize
// and Maximize form a pair: while a rectangle is remembered the window is
// collapsed already, and a second Minimize must not replace that rectangle
// with the collapsed bar's, or Maximize could never give the window back.
void Minimize(InputContext& context) {
  if (context.savedWindowRect.bottom != 0) {
    return;
  }
  context.savedWindowRect = context.window.MainWindowRect();
  context.window.CollapseToMenuBar();
}

// Gives back the rectangle a Minimize remembered and forgets it, so that the
// next Minimize remembers the window where it stands then; before any
// Minimize there is none and nothing happens.
void Maximize(InputContext& context) {
  if (context.savedWindowRect.bottom != 0) {
    context.window.RestoreWindow(context.savedWindowRect);
    context.savedWindowRect = WindowRect{};
  }
}

void ScreenOff(InputContext& context) { context.window.TurnScreenOff(); }

void TogglePlayCommand(InputContext& context) { TogglePlay(context.playback); }

void HaltCommand(InputContext& context) { Halt(context.playback); }

struct CommandRow {
  int id;
  void (*action)(InputContext&);
};

constexpr CommandRow kCommandTable[] = {
    {kCmdOpenFiles, OpenFiles},     {kCmdAbout, About},
    {kCmdExit, Exit},               {kCmdRepeat, Repeat},
    {kCmdShuffle, Shuffle},         {kCmdMarkAB, MarkAB},
    {kCmdPlayPause, PlayPause},     {kCmdStop, Stop},
    {kCmdNext, NextEntry},          {kCmdPrevious, PreviousEntry},
    {kCmdAddFiles, AddFiles},       {kCmdDelete, Delete},
    {kCmdDeleteAll, DeleteEverything}, {kCmdHide, Hide},
    {kCmdMaximize, Maximize},       {kCmdMinimize, Minimize},
    {kCmdScreenOff, ScreenOff},     {kCmdOptions, Options},
    {kCmdTogglePlay, TogglePlayCommand}, {kCmdHalt, HaltCommand},
};

}  // namespace

bool DispatchCommand(InputContext& context, int id) {
  for (const CommandRow& row : kCommandTable) {
    if (row.id == id) {
      row.action(context);
      return true;
    }
  }
  return false;
}

}  // namespace solvane
