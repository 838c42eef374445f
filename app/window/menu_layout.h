#pragma once
// The main menu: four popups, each item with its exact text and command id.
// An id of 0 is a separator.

#include <span>
#include <string_view>

namespace solvane {

struct MenuItem {
  int id = 0;
  std::string_view text;
};

struct MenuPopup {
  std::string_view title;
  std::span<const MenuItem> items;
};

// The popups in bar order: "File  ", "Play  ", "List  ", "Tool  ".
std::span<const MenuPopup> MainMenu();

// The menu bar's background colour.
struct MenuBarColour {
  int red = 213;
  int green = 222;
  int blue = 230;
};

}  // namespace solvane
