#include "app/input/stylus.h"

#include "app/input/command_ids.h"
#include "app/input/command_table.h"
#include "face/face_regions.h"

namespace solvane {
namespace {

void Invalidate(InputContext& context) { context.playback.shell.InvalidateMainWindow(); }

void Invert(std::int32_t& flag) { flag = flag != 0 ? 0 : 1; }

// --- pen-up actions of the pressed transport button ------------------------

void ReleaseOpen(InputContext& context) { DispatchCommand(context, kCmdOpenFiles); }

void ReleasePrevious(InputContext& context) { Previous(context.playback); }

void ReleasePlayPause(InputContext& context) {
  const PlayerState& player = context.playback.player;
  if (player.trackLoaded != 0 || player.trackChosen != 0) {
    DispatchCommand(context, kCmdTogglePlay);
  }
}

void ReleaseStop(InputContext& context) { StopFromFace(context.playback); }

void ReleaseNext(InputContext& context) { Next(context.playback); }

struct ReleaseRow {
  std::int32_t control;
  void (*action)(InputContext&);
};

constexpr ReleaseRow kReleaseTable[] = {
    {kPressedOpen, ReleaseOpen},   {kPressedPrevious, ReleasePrevious},
    {kPressedPlayPause, ReleasePlayPause}, {kPressedStop, ReleaseStop},
    {kPressedNext, ReleaseNext},
};

// --- the toggles of the row above the transport buttons --------------------

void ToggleAB(InputContext& context) { ToggleABMark(context.playback); }

void ToggleRepeat(InputContext& context) { Invert(context.playback.player.repeat); }

void ToggleShuffle(InputContext& context) { Invert(context.playback.player.shuffle); }

void TogglePlaylistView(InputContext& context) {
  PlayerState& player = context.playback.player;
  if (player.playlistShown != 0) {
    player.playlistShown = 0;
    context.window.DestroyPlaylistView();
  } else {
    player.playlistShown = 1;
    context.window.CreatePlaylistView();
  }
}

struct ToggleRow {
  std::int32_t toggle;
  void (*action)(InputContext&);
};

constexpr ToggleRow kToggleTable[] = {
    {kToggleAB, ToggleAB},
    {kToggleRepeat, ToggleRepeat},
    {kToggleShuffle, ToggleShuffle},
    {kTogglePlaylist, TogglePlaylistView},
};

template <typename Row>
void RunRow(std::span<const Row> table, std::int32_t key, InputContext& context,
            std::int32_t Row::*field) {
  for (const Row& row : table) {
    if (row.*field == key) {
      row.action(context);
      return;
    }
  }
}

void SetVolumeAt(InputContext& context, int x) {
  SetVolume(context.playback.media, VolumeAtX(x, context.face));
}

}  // namespace

void PenDown(InputContext& context, int x, int y) {
  PlayerState& player = context.playback.player;
  const FaceScale& face = context.face;
  bool pressed = false;

  if (InFaceSpan(kTransportRow, y, face, true)) {
    const std::int32_t button = HitFaceButton(kTransportButtons, x, face);
    if (button != kPressedNone) {
      player.pressedControl = button;
      pressed = true;
    } else if (InFaceArea(kVolumeBar, x, y, face)) {
      SetVolumeAt(context, x);
      player.pressedControl = kPressedVolumeDrag;
      pressed = true;
    }
  }

  // Toggles act on pen-up; a pen-down on the seek bar only starts a drag.
  if (InFaceSpan(kToggleRow, y, face, true) &&
      HitFaceButton(kToggleButtons, x, face) == kToggleNone &&
      InFaceArea(kSeekBar, x, y, face) && player.trackLoaded != 0) {
    player.pressedControl = kPressedSeekDrag;
    pressed = true;
  }

  if (pressed) {
    Invalidate(context);
  }
}

void PenMove(InputContext& context, int x, int y) {
  const PlayerState& player = context.playback.player;
  const FaceScale& face = context.face;
  if (player.pressedControl == kPressedVolumeDrag) {
    if (InFaceArea(kVolumeBar, x, y, face)) {
      SetVolumeAt(context, x);
      Invalidate(context);
    }
    return;
  }
  if (player.pressedControl == kPressedSeekDrag && InFaceArea(kSeekBar, x, y, face) &&
      player.trackLoaded != 0) {
    SeekToPercent(context.playback, SeekPercentAtX(x, face));
    Invalidate(context);
  }
}

void PenUp(InputContext& context, int x, int y) {
  PlayerState& player = context.playback.player;
  const FaceScale& face = context.face;

  // The pressed button acts wherever the pen is lifted.
  const std::int32_t released = player.pressedControl;
  if (released >= kPressedOpen && released <= kPressedNext) {
    RunRow<ReleaseRow>(kReleaseTable, released, context, &ReleaseRow::control);
    player.pressedControl = kPressedNone;
    Invalidate(context);
  } else if (released == kPressedVolumeDrag || released == kPressedSeekDrag) {
    player.pressedControl = kPressedNone;
  }

  if (InFaceArea(kMuteToggle, x, y, face)) {
    Invert(player.muted);
    SetMute(context.playback.media, player.muted);
    Invalidate(context);
  }

  if (InFaceSpan(kToggleRow, y, face, true)) {
    const std::int32_t toggle = HitFaceButton(kToggleButtons, x, face);
    if (toggle != kToggleNone) {
      RunRow<ToggleRow>(kToggleTable, toggle, context, &ToggleRow::toggle);
      Invalidate(context);
    }
  }
}

}  // namespace solvane
