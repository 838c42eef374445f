#pragma once
// The tap regions of the player face. Every bound is a base value for the
// 240 x 320 screen, multiplied by the skin scale; vertical bounds lie a further
// 80 x scale lower on tall screens. Each span is strict or inclusive exactly as
// the face was designed.

#include <cstdint>
#include <span>

#include "base/player_state.h"

namespace solvane {

// How the face is laid out on the screen: the skin scale s (1 or 2) and
// whether the screen is a tall one, whose face rows all lie 80 x s lower.
struct FaceScale {
  int scale = 1;
  bool tall = false;
};

struct FaceSpan {
  int low = 0;
  int high = 0;
  bool inclusive = false;  // false: low < v < high; true: low <= v <= high
  int unscaledExtra = 0;   // added to the high bound after scaling
};

// True when `value` lies in `span` at `face`; `vertical` applies the tall shift.
bool InFaceSpan(const FaceSpan& span, int value, const FaceScale& face, bool vertical);

// A control of a row: its id and its columns.
struct FaceButton {
  std::int32_t control = 0;
  FaceSpan columns;
};

// A bar or toggle with rows and columns of its own.
struct FaceArea {
  FaceSpan rows;
  FaceSpan columns;
};

bool InFaceArea(const FaceArea& area, int x, int y, const FaceScale& face);

// The control of `buttons` whose columns hold x, or kPressedNone (0).
std::int32_t HitFaceButton(std::span<const FaceButton> buttons, int x, const FaceScale& face);

// The toggles of the row above the transport buttons.
enum FaceToggle : std::int32_t {
  kToggleNone = 0,
  kToggleAB = 1,
  kToggleRepeat = 2,
  kToggleShuffle = 3,
  kTogglePlaylist = 4,
};

inline constexpr FaceSpan kTransportRow{236, 261, false};
inline constexpr FaceButton kTransportButtons[] = {
    {kPressedOpen, {5, 29, false}},      {kPressedPrevious, {40, 61, false}},
    {kPressedPlayPause, {72, 100, false}}, {kPressedStop, {111, 131, false}},
    {kPressedNext, {142, 161, false}},
};
inline constexpr FaceArea kVolumeBar{{236, 247, true}, {181, 237, true}};

inline constexpr FaceSpan kToggleRow{218, 233, false};
inline constexpr FaceButton kToggleButtons[] = {
    {kToggleAB, {7, 28, false}},
    {kToggleRepeat, {152, 173, false}},
    {kToggleShuffle, {179, 200, false}},
    {kTogglePlaylist, {205, 235, false}},
};
inline constexpr FaceArea kSeekBar{{220, 229, true}, {35, 147, true}};

// The mute toggle's height of 11 pixels is not scaled.
inline constexpr FaceArea kMuteToggle{{239, 239, true, 11}, {170, 180, true}};

// The volume a point on the volume bar stands for: 0 at its left bound, 100 at
// its right one.
std::int32_t VolumeAtX(int x, const FaceScale& face);
// The percentage of the track a point on the seek bar stands for.
std::int32_t SeekPercentAtX(int x, const FaceScale& face);

}  // namespace solvane
