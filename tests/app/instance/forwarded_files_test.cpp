// Sets of files from later starts: which open the playlist anew and which
// join the burst before them, by when their starts were launched.

#include "app/instance/forwarded_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/fake_media_control.h"
#include "tests/fakes/made_folder.h"
#include "tests/fakes/playback_records.h"
#include "tests/fakes/recording_shell.h"

namespace solvane::testing {
namespace {

class BurstTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"own.mp3", "a.mp3", "b.mp3", "c.mp3", "later.mp3"}) {
      disk.File(name);
    }
    WideCopy(records.playlist->folder[0], u"/old/");
    WideCopy(records.playlist->fileName[0], u"old.mp3");
    records.playlist->playlistCount = 1;
  }

  std::vector<std::u16string> Set(const char16_t* name) const { return {disk.Wide() + name}; }

  bool Receive(const char16_t* name, std::int64_t launchedMs) {
    PlaybackContext playback = records.ContextWith(media, shell);
    return forwarded.Receive(playback, Set(name), launchedMs);
  }
  bool OpenKept() {
    PlaybackContext playback = records.ContextWith(media, shell);
    return forwarded.OpenKept(playback);
  }

  std::vector<std::u16string> Names() const {
    std::vector<std::u16string> names;
    for (std::int32_t i = 0; i < records.playlist->playlistCount; ++i) {
      names.emplace_back(WideView(records.playlist->fileName[i]));
    }
    return names;
  }

  MadeFolder disk;
  PlaybackRecords records;
  FakeMediaControl media;
  RecordingShell shell;
  ForwardedFiles forwarded;
};

using NameList = std::vector<std::u16string>;

// The player's own files and those of starts that came while it started open
// together, replacing what was restored; starts of the same burst that get
// through late, however late, join them; a start launched well after the
// burst opens anew.
TEST_F(BurstTest, StartsOfABurstJoinHoweverLateTheyGetThrough) {
  constexpr std::int64_t kLaunch = 50'000;
  forwarded.Keep(Set(u"own.mp3"), kLaunch);
  forwarded.Keep(Set(u"a.mp3"), kLaunch + 5);
  forwarded.Keep({}, kLaunch + 9000);  // a start without files changes nothing
  ASSERT_TRUE(OpenKept());
  EXPECT_EQ(Names(), (NameList{u"own.mp3", u"a.mp3"}));
  EXPECT_EQ(media.urls.size(), 1u);
  EXPECT_FALSE(OpenKept());  // nothing kept twice

  // Launched with the player, arriving seconds after it opened its set.
  EXPECT_TRUE(Receive(u"b.mp3", kLaunch + 10));
  // Launched before the player, stalled on its way.
  EXPECT_TRUE(Receive(u"c.mp3", kLaunch - 300));
  EXPECT_EQ(Names(), (NameList{u"own.mp3", u"a.mp3", u"b.mp3", u"c.mp3"}));
  EXPECT_EQ(media.urls.size(), 1u);  // only the first set started playing

  EXPECT_TRUE(Receive(u"later.mp3", kLaunch + 10 + ForwardedFiles::kJoinWindowMs));
  EXPECT_EQ(Names(), (NameList{u"later.mp3"}));
}

// A burst started by a file manager one start after another joins while each
// start comes within the window of the one before.
TEST_F(BurstTest, AChainOfStartsEachWithinTheWindowOfTheLastJoins) {
  EXPECT_TRUE(Receive(u"a.mp3", 1000));
  EXPECT_TRUE(Receive(u"b.mp3", 2500));
  EXPECT_TRUE(Receive(u"c.mp3", 4000));
  EXPECT_EQ(Names(), (NameList{u"a.mp3", u"b.mp3", u"c.mp3"}));
}

// A player started without files keeps its restored playlist until the
// first set comes, which opens anew.
TEST_F(BurstTest, APlayerWithoutFilesIsOpenedAnewByTheFirstSet) {
  EXPECT_FALSE(OpenKept());
  PlaybackContext playback = records.ContextWith(media, shell);
  EXPECT_FALSE(forwarded.Receive(playback, {}, 500));  // a start without files changes nothing
  EXPECT_EQ(Names(), (NameList{u"old.mp3"}));
  EXPECT_TRUE(Receive(u"a.mp3", 1000));
  EXPECT_EQ(Names(), (NameList{u"a.mp3"}));
}

}  // namespace
}  // namespace solvane::testing
