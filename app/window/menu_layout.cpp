#include "app/window/menu_layout.h"

#include "app/input/command_ids.h"

namespace solvane {
namespace {

constexpr MenuItem kFileItems[] = {
    {kCmdOpenFiles, "Open Files"},
    {kCmdAbout, "About"},
    {0, {}},
    {kCmdExit, "Exit"},
};

constexpr MenuItem kPlayItems[] = {
    {kCmdRepeat, "Repeat"},   {kCmdShuffle, "Shuffle"}, {kCmdMarkAB, "Mark A-B"},
    {0, {}},                  {kCmdPlayPause, "Play/Pause"}, {kCmdStop, "Stop"},
    {kCmdNext, "Next"},       {kCmdPrevious, "Previous"},
};

constexpr MenuItem kListItems[] = {
    {kCmdAddFiles, "Add Files"},
    {kCmdDelete, "Delete"},
    {kCmdDeleteAll, "Delete All"},
};

constexpr MenuItem kToolItems[] = {
    {kCmdHide, "Hide"},          {kCmdMaximize, "Maximize"}, {kCmdMinimize, "Minimize"},
    {kCmdScreenOff, "Screen off"}, {0, {}},                  {kCmdOptions, "Options"},
};

constexpr MenuPopup kMainMenu[] = {
    {"File  ", kFileItems},
    {"Play  ", kPlayItems},
    {"List  ", kListItems},
    {"Tool  ", kToolItems},
};

}  // namespace

std::span<const MenuPopup> MainMenu() { return kMainMenu; }

}  // namespace solvane
