#pragma once
// The identifiers of the menu commands. The two commands the program sends to
// itself (toggle play, halt) live with the player record.

namespace solvane {

inline constexpr int kCmdOpenFiles = 40021;
inline constexpr int kCmdAbout = 40051;
inline constexpr int kCmdExit = 40016;
inline constexpr int kCmdRepeat = 40057;
inline constexpr int kCmdShuffle = 40058;
inline constexpr int kCmdMarkAB = 40061;
inline constexpr int kCmdPlayPause = 40056;
inline constexpr int kCmdStop = 40053;
inline constexpr int kCmdNext = 40054;
inline constexpr int kCmdPrevious = 40055;
inline constexpr int kCmdAddFiles = 40062;
inline constexpr int kCmdDelete = 40063;
inline constexpr int kCmdDeleteAll = 40065;
inline constexpr int kCmdHide = 40070;
inline constexpr int kCmdMaximize = 40069;
inline constexpr int kCmdMinimize = 40066;
inline constexpr int kCmdScreenOff = 40072;
inline constexpr int kCmdOptions = 40048;

}  // namespace solvane
