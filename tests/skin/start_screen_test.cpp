#include "skin/start_screen.h"

#include <gtest/gtest.h>

#include <memory>

#include "base/wide_text.h"

namespace solvane {
namespace {

TEST(StartScreenTest, FillsTheLinesWithTheirExactSpaces) {
  StartScreenLines lines;
  auto playlist = std::make_unique<Playlist>();
  FillStartScreenTexts(lines, *playlist);

  EXPECT_EQ(StartScreenRow(lines, 1), u"       Morwick     ");
  EXPECT_EQ(StartScreenRow(lines, 2), u"    Solvane    ");
  EXPECT_EQ(StartScreenRow(lines, 3), u"      V 0.90B       ");
  EXPECT_EQ(StartScreenRow(lines, 4), u"");
  EXPECT_EQ(StartScreenRow(lines, 5), u"");
  EXPECT_EQ(StartScreenRow(lines, 6), u"");
  EXPECT_EQ(StartScreenRow(lines, 7), u"   www.morwick.example  ");
  EXPECT_EQ(WideView(playlist->emptyPlaylistText), u"  No files in playlist ");
}

struct ChoiceCase {
  std::int32_t trackChosen;
  std::int32_t startScreenKept;
  LyricAreaChoice expected;
};

class LyricAreaChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(LyricAreaChoiceTest, StartScreenUnlessAChosenEntryIsNoLongerKeptOff) {
  PlayerState player;
  player.trackChosen = GetParam().trackChosen;
  player.startScreenKept = GetParam().startScreenKept;
  EXPECT_EQ(ChooseLyricArea(player), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllFlags, LyricAreaChoiceTest,
    ::testing::Values(ChoiceCase{0, 0, LyricAreaChoice::kStartScreen},
                      ChoiceCase{0, 1, LyricAreaChoice::kStartScreen},
                      ChoiceCase{1, 1, LyricAreaChoice::kStartScreen},
                      ChoiceCase{1, 0, LyricAreaChoice::kCurrentTitle}));

}  // namespace
}  // namespace solvane
