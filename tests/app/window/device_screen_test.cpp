#include "app/window/device_screen.h"

#include <gtest/gtest.h>

#include "app/window/menu_layout.h"

namespace solvane {
namespace {

struct ScreenCase {
  std::optional<std::string_view> requested;
  ScreenSize available;
  int width;
  int height;
};

class DeviceScreenTest : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(DeviceScreenTest, ChoosesTheDeviceScreen) {
  const ScreenSize size = ChooseDeviceScreen(GetParam().requested, GetParam().available);
  EXPECT_EQ(size.width, GetParam().width);
  EXPECT_EQ(size.height, GetParam().height);
}

// The desktop area that just holds a window whose contents are `width` x
// `height`, with the title bar and frame around it.
constexpr ScreenSize Holding(int width, int height) {
  return {width + kWindowFrameAllowance.width, height + kWindowFrameAllowance.height};
}

// The window contents are 480 x 748, 480 x 588, 240 x 374 and 240 x 294 for
// the four screens: the face area and the menu bar below it.
INSTANTIATE_TEST_SUITE_P(
    Cases, DeviceScreenTest,
    ::testing::Values(ScreenCase{std::nullopt, {1920, 1050}, 480, 800},
                      ScreenCase{std::nullopt, {1366, 741}, 480, 640},  // a laptop with a panel
                      ScreenCase{std::nullopt, Holding(480, 748), 480, 800},
                      ScreenCase{std::nullopt, Holding(900, 747), 480, 640},
                      ScreenCase{std::nullopt, Holding(480, 588), 480, 640},
                      ScreenCase{std::nullopt, Holding(1000, 587), 240, 400},
                      ScreenCase{std::nullopt, Holding(479, 1000), 240, 400},
                      ScreenCase{std::nullopt, Holding(240, 374), 240, 400},
                      ScreenCase{std::nullopt, Holding(800, 373), 240, 320},
                      ScreenCase{std::nullopt, Holding(240, 294), 240, 320},
                      // smaller than every window: the smallest screen all the same
                      ScreenCase{std::nullopt, {239, 1000}, 240, 320},
                      ScreenCase{std::nullopt, {200, 150}, 240, 320},
                      ScreenCase{std::nullopt, {0, 0}, 240, 320},
                      ScreenCase{"240x400", {1920, 1050}, 240, 400},
                      ScreenCase{"320x240", {100, 100}, 320, 240},
                      // what does not read as a size falls back
                      ScreenCase{"", {1920, 1050}, 480, 800},
                      ScreenCase{"480x", {100, 100}, 240, 320},
                      ScreenCase{"0x800", {100, 100}, 240, 320},
                      ScreenCase{"-480x800", {100, 100}, 240, 320},
                      ScreenCase{"480x800x2", {100, 100}, 240, 320},
                      ScreenCase{"480 x 800", {100, 100}, 240, 320},
                      ScreenCase{"999999x800", {100, 100}, 240, 320}));

TEST(DeviceScreen, TheFrameAllowanceCountsAgainstTheAvailableArea) {
  EXPECT_EQ(kWindowFrameAllowance.width, 16);
  EXPECT_EQ(kWindowFrameAllowance.height, 48);
  const ScreenSize noFrame{0, 0};
  const ScreenSize laptop{1366, 768};
  EXPECT_EQ(ChooseDeviceScreen(std::nullopt, {480, 748}, noFrame).height, 800);
  EXPECT_EQ(ChooseDeviceScreen(std::nullopt, {480, 747}, noFrame).height, 640);
  EXPECT_EQ(ChooseDeviceScreen(std::nullopt, laptop, {0, 20}).height, 800);
  EXPECT_EQ(ChooseDeviceScreen(std::nullopt, laptop, {0, 21}).height, 640);
  const ScreenSize content = WindowContentSize({480, 640});
  EXPECT_EQ(content.width, 480);
  EXPECT_EQ(content.height, 588);
  EXPECT_EQ(WindowContentSize({240, 320}).height, 294);
}

TEST(DeviceScreen, SkinScaleIsTwoOnlyForThe480WideScreens) {
  EXPECT_EQ(SkinScaleFor({480, 800}), 2);
  EXPECT_EQ(SkinScaleFor({480, 640}), 2);
  EXPECT_EQ(SkinScaleFor({240, 320}), 1);
  EXPECT_EQ(SkinScaleFor({240, 400}), 1);
  EXPECT_EQ(SkinScaleFor({480, 600}), 1);
  EXPECT_EQ(SkinScaleFor({800, 480}), 1);
  EXPECT_EQ(FaceAreaHeight({480, 800}, 2), 696);
  EXPECT_EQ(MenuBarHeight(2), 52);
}

TEST(MainMenu, HoldsTheFourPopupsWithTheirItems) {
  const auto menu = MainMenu();
  ASSERT_EQ(menu.size(), 4u);
  EXPECT_EQ(menu[0].title, "File  ");
  EXPECT_EQ(menu[1].title, "Play  ");
  EXPECT_EQ(menu[2].title, "List  ");
  EXPECT_EQ(menu[3].title, "Tool  ");

  std::vector<std::pair<int, std::string_view>> items;
  for (const MenuPopup& popup : menu) {
    for (const MenuItem& item : popup.items) {
      if (item.id != 0) {
        items.emplace_back(item.id, item.text);
      }
    }
  }
  const std::vector<std::pair<int, std::string_view>> expected = {
      {40021, "Open Files"}, {40051, "About"},    {40016, "Exit"},
      {40057, "Repeat"},     {40058, "Shuffle"},  {40061, "Mark A-B"},
      {40056, "Play/Pause"}, {40053, "Stop"},     {40054, "Next"},
      {40055, "Previous"},   {40062, "Add Files"}, {40063, "Delete"},
      {40065, "Delete All"}, {40070, "Hide"},     {40069, "Maximize"},
      {40066, "Minimize"},   {40072, "Screen off"}, {40048, "Options"}};
  EXPECT_EQ(items, expected);
}

}  // namespace
}  // namespace solvane
