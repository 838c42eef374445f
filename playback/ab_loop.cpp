// Marking the A-B loop. The loop itself runs in the poll tick.

#include <cstdint>
#include <utility>

#include "playback/playback_control.h"

namespace solvane {
namespace {

// Marks closer together than one second arm no loop.
constexpr std::int64_t kShortestLoop = 10;

}  // namespace

int ToggleABMark(PlaybackContext& context) {
  PlayerState& player = context.player;
  if (!player.playing) {
    return 1;
  }
  if (!player.abActive && player.abStage != 1) {
    player.abStage = 1;
    player.abStart = player.playPosition;
    player.abActive = 1;
  } else if (player.abActive && player.abStage == 1) {
    player.abStage = 2;
    player.abEnd = player.playPosition;
    if (player.abEnd < player.abStart) {
      std::swap(player.abStart, player.abEnd);
    }
    SeekTo(context, player.abStart);
    // abStage stays 2 for a loop too short to arm, so the next press marks a
    // new A.
    if (std::int64_t{player.abEnd} - player.abStart < kShortestLoop) {
      player.abActive = 0;
    }
  } else if (player.abActive && player.abStage == 2) {
    player.abStage = 0;
    player.abActive = 0;
  }
  return 1;
}

}  // namespace solvane
