#include "app/startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/app/core_rig.h"

namespace solvane::testing {
namespace {

// Records the order of the steps and what the records held when each ran.
class RecordingServices : public StartupServices {
 public:
  explicit RecordingServices(CoreRig& rig, Options& options) : rig_(rig), options_(options) {}

  // Scripted answers.
  bool stateLoads = true;
  std::int32_t storedVolume = 64;
  std::int32_t storedEntries = 2;
  bool screenOk = true;
  Options storedOptions;

  std::vector<std::string> steps;
  std::vector<std::int32_t> volumePutsAtTexts;
  std::int32_t trackChosenAtScreenCheck = -1;
  std::int32_t firstStartDoneAtLayout = -1;
  std::size_t urlsAtLayout = 99;
  std::size_t urlsAtShow = 99;
  std::int32_t trackChosenAtShow = -1;
  std::int32_t storedPosition = 0;
  std::int32_t positionAtSave = -1;

  void FillStartScreenTexts() override {
    steps.emplace_back("texts");
    volumePutsAtTexts = rig_.media.volumePuts;
  }
  bool LoadStateFile(std::int32_t& volume) override {
    steps.emplace_back("load");
    if (!stateLoads) {
      return false;
    }
    const std::int32_t firstStartDone = storedOptions.firstStartDone;
    options_ = storedOptions;
    options_.firstStartDone = firstStartDone;
    for (std::int32_t i = 0; i < storedEntries; ++i) {
      rig_.AddEntry("entry" + std::to_string(i) + ".mp3");
    }
    volume = storedVolume;
    rig_.player.playPosition = storedPosition;
    rig_.player.resumePosition = storedPosition;
    return true;
  }
  bool CheckScreen() override {
    steps.emplace_back("screen");
    trackChosenAtScreenCheck = rig_.player.trackChosen;
    return screenOk;
  }
  void ComputeFaceLayout() override {
    steps.emplace_back("layout");
    firstStartDoneAtLayout = options_.firstStartDone;
    urlsAtLayout = rig_.media.urls.size();
  }
  void LoadBackgroundImage() override { steps.emplace_back("background"); }
  void ShowWindowBeforeTrackStart() override {
    steps.emplace_back("show");
    urlsAtShow = rig_.media.urls.size();
    trackChosenAtShow = rig_.player.trackChosen;
  }
  void SaveStateFile() override {
    steps.emplace_back("save");
    positionAtSave = rig_.player.playPosition;
  }
  void ReleaseSkinImages() override { steps.emplace_back("release"); }

 private:
  CoreRig& rig_;
  Options& options_;
};

class StartupTest : public ::testing::Test {
 protected:
  StartupRecords Records() { return StartupRecords{rig.playback, options, lifecycle, services}; }
  bool Start() {
    StartupRecords records = Records();
    return RunStartup(records);
  }

  CoreRig rig;
  Options options;
  AppLifecycle lifecycle;
  RecordingServices services{rig, options};
};

TEST_F(StartupTest, RunsItsStepsInOrder) {
  lifecycle.savedWindowRect = WindowRect{1, 2, 3, 4};
  options.useBackgroundImage = 1;  // a default the start resets
  services.storedOptions.useBackgroundImage = 1;

  EXPECT_TRUE(Start());

  EXPECT_EQ(services.steps,
            (std::vector<std::string>{"texts", "load", "screen", "layout", "background"}));
  // The engine got volume 80 and lost its error dialogs before the texts.
  EXPECT_EQ(services.volumePutsAtTexts, (std::vector<std::int32_t>{80}));
  EXPECT_EQ(rig.media.errorDialogs, std::optional<bool>(false));
  // The stored volume reached the engine after the load.
  EXPECT_EQ(rig.media.volume, std::optional<std::int32_t>(64));
  EXPECT_EQ(lifecycle.savedWindowRect.bottom, 0);
  EXPECT_EQ(options.version, 910);
  EXPECT_EQ(services.trackChosenAtScreenCheck, 1);
  EXPECT_EQ(rig.player.startScreenKept, 1);
  EXPECT_EQ(services.firstStartDoneAtLayout, 1);
  EXPECT_TRUE(lifecycle.started);
}

TEST_F(StartupTest, WithoutAStateFileTheDefaultsStand) {
  services.stateLoads = false;
  options.rememberPlaylist = 0;
  options.playLastFileAtStartup = 1;
  EXPECT_TRUE(Start());
  EXPECT_EQ(options.rememberPlaylist, 1);
  EXPECT_EQ(options.playLastFileAtStartup, 0);
  EXPECT_EQ(rig.player.trackChosen, 0);
  EXPECT_EQ(rig.media.volume, std::optional<std::int32_t>(80));
  EXPECT_EQ(services.steps, (std::vector<std::string>{"texts", "load", "screen", "layout"}));
}

TEST_F(StartupTest, PlaysTheLastFileOnlyAfterTheLayoutAndArmsTheResume) {
  services.storedOptions.playLastFileAtStartup = 1;
  services.storedOptions.rememberLastPosition = 1;
  EXPECT_TRUE(Start());
  EXPECT_EQ(services.urlsAtLayout, 0u);
  ASSERT_EQ(rig.media.urls.size(), 1u);
  EXPECT_EQ(rig.media.urls[0], u"/music/entry0.mp3");
  EXPECT_EQ(rig.player.playing, 1);
  EXPECT_EQ(rig.player.startScreenKept, 0);
  EXPECT_EQ(rig.player.resumePending, 1);
}

TEST_F(StartupTest, WindowShowsBeforeTheLastFileStartsAndTheStepsKeepTheirOrder) {
  services.storedOptions.playLastFileAtStartup = 1;
  services.storedOptions.useBackgroundImage = 1;
  EXPECT_TRUE(Start());
  EXPECT_EQ(services.steps,
            (std::vector<std::string>{"texts", "load", "screen", "layout", "show", "background"}));
  // Shown with the restored playlist chosen, before the engine got the file.
  EXPECT_EQ(services.urlsAtShow, 0u);
  EXPECT_EQ(services.trackChosenAtShow, 1);
  EXPECT_EQ(rig.media.urls.size(), 1u);
}

TEST_F(StartupTest, WithoutALastFileToPlayTheWindowShowsAfterTheStart) {
  services.storedOptions.playLastFileAtStartup = 0;
  EXPECT_TRUE(Start());
  EXPECT_EQ(std::count(services.steps.begin(), services.steps.end(), "show"), 0);
}

TEST_F(StartupTest, AnEmptyRestoredPlaylistChoosesNothing) {
  services.storedEntries = 0;
  services.storedOptions.playLastFileAtStartup = 1;
  services.storedOptions.rememberLastPosition = 1;
  EXPECT_TRUE(Start());
  EXPECT_EQ(rig.player.trackChosen, 0);
  EXPECT_TRUE(rig.media.urls.empty());
  EXPECT_EQ(std::count(services.steps.begin(), services.steps.end(), "show"), 0);
  EXPECT_EQ(rig.player.resumePending, 0);
}

TEST_F(StartupTest, AnAbandonedScreenCheckEndsTheStartThere) {
  services.screenOk = false;
  services.storedOptions.playLastFileAtStartup = 1;
  services.storedOptions.useBackgroundImage = 1;
  EXPECT_FALSE(Start());
  EXPECT_EQ(services.steps, (std::vector<std::string>{"texts", "load", "screen"}));
  EXPECT_EQ(options.firstStartDone, 0);
  EXPECT_TRUE(rig.media.urls.empty());
  EXPECT_FALSE(lifecycle.started);
}

TEST_F(StartupTest, ShutdownSavesOnceThenReleasesAndClosesTheEngine) {
  Start();
  services.steps.clear();
  StartupRecords records = Records();
  RunShutdown(records);
  RunShutdown(records);
  EXPECT_EQ(services.steps, (std::vector<std::string>{"save", "release"}));
  EXPECT_EQ(rig.media.CallCount("close"), 1);
}

// The position saved at exit is the one the next start resumes at the entry
// currentIndex names, so it is kept only when it belongs to that entry.
TEST(StartupShutdown, ExitKeepsAPositionOnlyForTheTrackTheCurrentEntryNames) {
  struct Row {
    const char* what;
    void (*run)(CoreRig&);
    std::int32_t saved;
  };
  const Row rows[] = {
      {"nothing played since the start", [](CoreRig&) {}, 450},
      {"the current entry played",
       [](CoreRig& rig) {
         StartTrack(rig.playback, 1);
         rig.player.playPosition = 250;
       },
       250},
      // The end of the list moves currentIndex to 0 and Play replays the last
      // track: its position is not entry 0's.
      {"the last track replayed after the end of the list",
       [](CoreRig& rig) {
         StartTrack(rig.playback, 1);
         AdvanceAfterEnd(rig.playback);
         TogglePlay(rig.playback);
         rig.player.playPosition = 250;
       },
       0},
      {"another entry chosen after playing",
       [](CoreRig& rig) {
         StartTrack(rig.playback, 0);
         rig.player.playPosition = 250;
         Halt(rig.playback);
         Next(rig.playback);
       },
       0},
      {"the current entry refused after another played",
       [](CoreRig& rig) {
         StartTrack(rig.playback, 0);
         rig.player.playPosition = 250;
         rig.media.urlResult = -1;
         Next(rig.playback);
       },
       0},
  };
  for (const Row& row : rows) {
    CoreRig rig;
    Options rowOptions;
    AppLifecycle rowLifecycle;
    RecordingServices rowServices{rig, rowOptions};
    rowServices.storedOptions.rememberLastPosition = 1;
    rowServices.storedPosition = 450;
    StartupRecords records{rig.playback, rowOptions, rowLifecycle, rowServices};
    ASSERT_TRUE(RunStartup(records));
    ASSERT_EQ(rig.playlist->currentIndex, 0);
    row.run(rig);
    RunShutdown(records);
    EXPECT_EQ(rowServices.positionAtSave, row.saved) << row.what;
  }
}

}  // namespace
}  // namespace solvane::testing
