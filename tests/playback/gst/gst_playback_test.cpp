// The GStreamer engine playing short files in real time into a fakesink,
// polled every 100 ms as the program's tick does.

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "playback/gst/gst_media_control.h"
#include "tests/playback/gst/test_media.h"
#include "tests/fakes/watchdog.h"

namespace solvane {
namespace {

using namespace std::chrono_literals;
using testing::EnginePath;
using testing::PollUntil;
using testing::TempFolder;

class GstPlayback : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::UseHeadlessAudio();
    engine_ = std::make_unique<GstMediaControl>();
  }

  std::u16string Wav(const char* name, int seconds) {
    testing::WriteToneWav(folder_.File(name), seconds);
    return EnginePath(folder_.File(name));
  }

  // The play states read every 100 ms until the first that is not playing,
  // at most `limit` reads.
  std::vector<std::int32_t> PollUntilNotPlaying(int limit) {
    std::vector<std::int32_t> states;
    while (static_cast<int>(states.size()) < limit) {
      states.push_back(engine_->PlayState());
      if (states.back() != kPlayStatePlaying) {
        break;
      }
      std::this_thread::sleep_for(100ms);
    }
    return states;
  }

  TempFolder folder_;
  std::unique_ptr<GstMediaControl> engine_;
};

TEST_F(GstPlayback, AnAcceptedFilePlaysAndReportsStoppedRightAfterItsEnd) {
  const auto started = std::chrono::steady_clock::now();
  ASSERT_EQ(engine_->PutUrl(Wav("one.wav", 1)), 0);
  const std::vector<std::int32_t> states = PollUntilNotPlaying(40);
  const auto stoppedAfter = std::chrono::steady_clock::now() - started;

  // Played in real time (a second is ten ticks), then stopped with nothing
  // between, on the first tick after the end.
  ASSERT_GE(states.size(), 6u);
  for (std::size_t i = 0; i + 1 < states.size(); ++i) {
    EXPECT_EQ(states[i], kPlayStatePlaying) << "tick " << i;
  }
  EXPECT_EQ(states.back(), kPlayStateStopped);
  EXPECT_LT(stoppedAfter, 1s + 100ms + 400ms);
  EXPECT_EQ(engine_->CurrentPosition(), 0.0);
}

TEST_F(GstPlayback, PlaysAgainFromTheStartAfterTheEnd) {
  ASSERT_EQ(engine_->PutUrl(Wav("one.wav", 1)), 0);
  ASSERT_EQ(PollUntilNotPlaying(40).back(), kPlayStateStopped);
  engine_->Play();
  EXPECT_EQ(engine_->PlayState(), kPlayStatePlaying);
  EXPECT_EQ(PollUntilNotPlaying(40).back(), kPlayStateStopped);
}

TEST_F(GstPlayback, PauseHoldsThePositionAndPlayGoesOn) {
  ASSERT_EQ(engine_->PutUrl(Wav("three.wav", 3)), 0);
  ASSERT_TRUE(PollUntil([this] { return engine_->CurrentPosition().value_or(0.0) > 0.0; }));
  engine_->Pause();
  EXPECT_EQ(engine_->PlayState(), kPlayStatePaused);
  const auto held = engine_->CurrentPosition();
  ASSERT_TRUE(held.has_value());
  // A second engine playing on the same clock witnesses that time went on:
  // once it has played a while, the paused one is still where it was.
  GstMediaControl witness;
  ASSERT_EQ(witness.PutUrl(Wav("witness.wav", 3)), 0);
  ASSERT_TRUE(PollUntil([&witness] { return witness.CurrentPosition().value_or(0.0) >= 0.3; }));
  EXPECT_EQ(engine_->CurrentPosition(), held);

  engine_->Play();
  EXPECT_EQ(engine_->PlayState(), kPlayStatePlaying);
  EXPECT_TRUE(PollUntil([this, &held] { return engine_->CurrentPosition().value_or(0.0) > *held; }));
}

TEST_F(GstPlayback, StopRewindsAndPlayStartsOver) {
  ASSERT_EQ(engine_->PutUrl(Wav("three.wav", 3)), 0);
  engine_->Stop();
  EXPECT_EQ(engine_->PlayState(), kPlayStateStopped);
  EXPECT_EQ(engine_->CurrentPosition(), 0.0);
  EXPECT_NE(engine_->PutCurrentPosition(1.0), 0);  // nothing to move while stopped
  engine_->Play();
  EXPECT_EQ(engine_->PlayState(), kPlayStatePlaying);
  EXPECT_LT(engine_->CurrentPosition().value_or(9.0), 0.5);
}

TEST_F(GstPlayback, SeeksLandOnTheWholeSecondAsked) {
  ASSERT_EQ(engine_->PutUrl(Wav("three.wav", 3)), 0);
  EXPECT_EQ(engine_->PutCurrentPosition(2.0), 0);
  EXPECT_NEAR(engine_->CurrentPosition().value_or(-1.0), 2.0, 0.15);

  engine_->Pause();
  EXPECT_EQ(engine_->PutCurrentPosition(1.0), 0);
  EXPECT_NEAR(engine_->CurrentPosition().value_or(-1.0), 1.0, 0.01);
  EXPECT_EQ(engine_->PlayState(), kPlayStatePaused);

  EXPECT_EQ(engine_->PutCurrentPosition(-4.0), 0);
  EXPECT_NEAR(engine_->CurrentPosition().value_or(-1.0), 0.0, 0.01);
}

TEST_F(GstPlayback, ASeekPastTheEndIsClampedAndTheTrackEnds) {
  ASSERT_EQ(engine_->PutUrl(Wav("three.wav", 3)), 0);
  EXPECT_EQ(engine_->PutCurrentPosition(100.0), 0);
  const std::vector<std::int32_t> states = PollUntilNotPlaying(10);
  EXPECT_EQ(states.back(), kPlayStateStopped);
}

TEST_F(GstPlayback, VolumeAndMuteReachThePipelineAndOutliveANewFile) {
  EXPECT_EQ(engine_->Volume(), 100);
  EXPECT_EQ(engine_->PipelineVolume(), 100);
  for (const auto& [given, kept] : {std::pair{35, 35}, std::pair{150, 100}, std::pair{-5, 0}}) {
    engine_->PutVolume(given);
    EXPECT_EQ(engine_->Volume(), kept) << given;
    EXPECT_EQ(engine_->PipelineVolume(), kept) << given;
  }

  engine_->PutVolume(20);
  engine_->PutMute(true);
  ASSERT_EQ(engine_->PutUrl(Wav("one.wav", 1)), 0);
  EXPECT_EQ(engine_->Volume(), 20);
  EXPECT_EQ(engine_->PipelineVolume(), 20);
  EXPECT_EQ(engine_->Mute(), true);
  engine_->PutMute(false);
  EXPECT_EQ(engine_->Mute(), false);
}

TEST_F(GstPlayback, ErrorDialogSettingIsKept) {
  engine_->PutErrorDialogsEnabled(true);
  EXPECT_EQ(engine_->ErrorDialogsEnabled(), true);
  engine_->PutErrorDialogsEnabled(false);
  EXPECT_EQ(engine_->ErrorDialogsEnabled(), false);
}

TEST_F(GstPlayback, CloseReleasesTheMedia) {
  ASSERT_EQ(engine_->PutUrl(Wav("one.wav", 1)), 0);
  engine_->Close();
  EXPECT_EQ(engine_->PlayState(), kPlayStateStopped);
  EXPECT_FALSE(engine_->CurrentMedia().has_value());
  EXPECT_FALSE(engine_->CurrentPosition().has_value());
  engine_->Play();
  EXPECT_EQ(engine_->PlayState(), kPlayStateStopped);
}

std::filesystem::path Fifo(const TempFolder& folder, const char* name) {
  const std::filesystem::path fifo = folder.File(name);
  if (::mkfifo(fifo.c_str(), 0600) != 0) {
    ADD_FAILURE() << "cannot make " << fifo;
  }
  return fifo;
}

// Stopped media opens its file again on Play; a FIFO put in its place
// meanwhile must not hold the caller.
TEST_F(GstPlayback, PlayOfStoppedMediaWhoseFileBecameAFifoStaysStopped) {
  ASSERT_EQ(engine_->PutUrl(Wav("swapped.wav", 3)), 0);
  engine_->Stop();
  std::filesystem::remove(folder_.File("swapped.wav"));
  Fifo(folder_, "swapped.wav");
  testing::ReturnsWithin(std::chrono::seconds(10), "Play", [&] { engine_->Play(); });
  EXPECT_EQ(engine_->PlayState(), kPlayStateStopped);
  // The file's tags are read the first time they are asked for; the FIFO in
  // the file's place must not hold that read either.
  testing::ReturnsWithin(std::chrono::seconds(10), "CurrentMedia",
                         [&] { return engine_->CurrentMedia(); });
}

// Each of these is refused before PutUrl returns, and also stops whatever
// played before.
struct RefusedFile {
  const char* what;
  std::u16string (*make)(const TempFolder&);
};

class GstRefusal : public GstPlayback, public ::testing::WithParamInterface<RefusedFile> {};

TEST_P(GstRefusal, IsRefusedAtOnceAndLeavesNothingOpen) {
  ASSERT_EQ(engine_->PutUrl(Wav("playing.wav", 3)), 0);
  const std::u16string refused = GetParam().make(folder_);
  const std::int32_t result = testing::ReturnsWithin(
      std::chrono::seconds(10), GetParam().what, [&] { return engine_->PutUrl(refused); });
  EXPECT_NE(result, 0);
  EXPECT_NE(result, 1);
  EXPECT_EQ(engine_->PlayState(), kPlayStateStopped);
  EXPECT_FALSE(engine_->CurrentMedia().has_value());
  EXPECT_FALSE(engine_->CurrentPosition().has_value());
  EXPECT_FALSE(engine_->RefusalReason().empty()) << GetParam().what;
}

// The user who named the file is told why it did not play.
TEST_F(GstPlayback, ARefusalSaysWhatTheFileSystemOrTheDecoderFound) {
  EXPECT_NE(engine_->PutUrl(EnginePath(folder_.File("missing.wav"))), 0);
  EXPECT_EQ(engine_->RefusalReason(), u"No such file or directory");
  testing::WriteText(folder_.File("notes.mp3"), "These are not sounds.\n");
  EXPECT_NE(engine_->PutUrl(EnginePath(folder_.File("notes.mp3"))), 0);
  const std::u16string decoder = engine_->RefusalReason();
  EXPECT_FALSE(decoder.empty());
  EXPECT_NE(decoder, u"not a file the engine can play");  // the decoder's own words
  ASSERT_EQ(engine_->PutUrl(Wav("playing.wav", 1)), 0);
  EXPECT_NE(engine_->PutUrl(EnginePath(folder_.File("missing.wav"))), 0);
  EXPECT_EQ(engine_->RefusalReason(), u"No such file or directory");  // not the text file's
}

INSTANTIATE_TEST_SUITE_P(
    Files, GstRefusal,
    ::testing::Values(
        RefusedFile{"missing",
                    [](const TempFolder& f) { return EnginePath(f.File("missing.wav")); }},
        RefusedFile{"empty",
                    [](const TempFolder& f) {
                      testing::WriteText(f.File("empty.mp3"), "");
                      return EnginePath(f.File("empty.mp3"));
                    }},
        RefusedFile{"text",
                    [](const TempFolder& f) {
                      testing::WriteText(f.File("notes.mp3"), "These are not sounds.\n");
                      return EnginePath(f.File("notes.mp3"));
                    }},
        RefusedFile{"nul_inside",  // would open playing.wav if the name were cut at the NUL
                    [](const TempFolder& f) {
                      return EnginePath(f.File("playing.wav")) + u'\0' + u"x.wav";
                    }},
        RefusedFile{"unpaired_surrogate",
                    [](const TempFolder& f) {
                      return EnginePath(f.File("a")) + u'\xD800' + u".wav";
                    }},
        RefusedFile{"empty_path", [](const TempFolder&) { return std::u16string(); }},
        // Opening these would wait for a writer, or for ever.
        RefusedFile{"fifo", [](const TempFolder& f) { return EnginePath(Fifo(f, "pipe.mp3")); }},
        RefusedFile{"link_to_fifo",
                    [](const TempFolder& f) {
                      std::filesystem::create_symlink(Fifo(f, "pipe.wav"), f.File("link.mp3"));
                      return EnginePath(f.File("link.mp3"));
                    }},
        RefusedFile{"device", [](const TempFolder&) { return EnginePath("/dev/zero"); }},
        RefusedFile{"folder",
                    [](const TempFolder& f) {
                      std::filesystem::create_directory(f.File("album.mp3"));
                      return EnginePath(f.File("album.mp3"));
                    }}),
    [](const auto& test) { return std::string(test.param.what); });

}  // namespace
}  // namespace solvane
