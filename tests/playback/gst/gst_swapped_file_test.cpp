// The engine plays, measures and tags the very file it checked: a FIFO put in
// the file's place after the check, while the engine is opening the file or
// later, holds nothing and changes nothing.

#include <gst/gst.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "playback/gst/gst_media_control.h"
#include "tests/playback/gst/test_media.h"
#include "tests/fakes/watchdog.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::EnginePath;
using testing::ReturnsWithin;

// Renames `replacement` over `path` the moment the engine's pipeline has made
// the element that reads the media: after every check the engine makes and
// before that element opens anything. An engine that opened the file by its
// name there would find the replacement.
class SwapWhenTheSourceIsMade {
 public:
  SwapWhenTheSourceIsMade(fs::path replacement, fs::path path)
      : replacement_(std::move(replacement)),
        path_(std::move(path)),
        signal_(g_signal_lookup("source-setup", g_type_from_name("GstPlayBin"))),
        hook_(signal_ == 0 ? 0
                           : g_signal_add_emission_hook(signal_, 0, &SwapWhenTheSourceIsMade::Swap,
                                                        this, nullptr)) {}
  SwapWhenTheSourceIsMade(const SwapWhenTheSourceIsMade&) = delete;
  SwapWhenTheSourceIsMade& operator=(const SwapWhenTheSourceIsMade&) = delete;
  ~SwapWhenTheSourceIsMade() {
    if (hook_ != 0) {
      g_signal_remove_emission_hook(signal_, hook_);
    }
  }

  bool Hooked() const { return hook_ != 0; }
  bool Swapped() const { return swapped_; }

 private:
  static gboolean Swap(GSignalInvocationHint*, guint, const GValue*, gpointer data) {
    auto* self = static_cast<SwapWhenTheSourceIsMade*>(data);
    if (!self->swapped_.exchange(true)) {
      fs::rename(self->replacement_, self->path_);
    }
    return TRUE;  // stays until the destructor removes it
  }

  fs::path replacement_;
  fs::path path_;
  guint signal_;
  gulong hook_;
  std::atomic<bool> swapped_{false};
};

class GstSwappedFile : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::UseHeadlessAudio();
    engine_ = std::make_unique<GstMediaControl>();  // registers the pipeline's types
  }

  fs::path Fifo(const char* name) {
    const fs::path fifo = folder_.File(name);
    if (::mkfifo(fifo.c_str(), 0600) != 0) {
      ADD_FAILURE() << "cannot make " << fifo;
    }
    return fifo;
  }

  testing::TempFolder folder_;
  std::unique_ptr<GstMediaControl> engine_;
};

TEST_F(GstSwappedFile, AFifoSwappedInAsTheFileIsOpenedIsNeverOpened) {
  const fs::path song = folder_.File("song.wav");
  testing::WriteToneWav(song, 2);
  const SwapWhenTheSourceIsMade swap(Fifo("pipe"), song);
  ASSERT_TRUE(swap.Hooked());

  const std::int32_t result =
      ReturnsWithin(10s, "PutUrl", [&] { return engine_->PutUrl(EnginePath(song)); });
  ASSERT_TRUE(swap.Swapped());
  ASSERT_EQ(result, 0);
  EXPECT_EQ(engine_->PlayState(), kPlayStatePlaying);

  // Measured, tagged and moved through as the file that was checked.
  const auto media = ReturnsWithin(10s, "CurrentMedia", [&] { return engine_->CurrentMedia(); });
  ASSERT_TRUE(media.has_value());
  EXPECT_NEAR(media->durationSeconds, 2.0, 0.05);
  EXPECT_EQ(engine_->PutCurrentPosition(1.0), 0);
  EXPECT_NEAR(engine_->CurrentPosition().value_or(-1.0), 1.0, 0.15);
}

// Play after Stop opens the file by its name again (it may have been
// replaced meanwhile), and plays what that opening checked.
TEST_F(GstSwappedFile, PlayAfterStopPlaysTheFileItCheckedThoughAFifoIsSwappedIn) {
  const fs::path song = folder_.File("song.wav");
  testing::WriteToneWav(song, 1);
  ASSERT_EQ(engine_->PutUrl(EnginePath(song)), 0);
  engine_->Stop();

  const fs::path replaced = folder_.File("replaced.wav");
  testing::WriteToneWav(replaced, 3);
  fs::rename(replaced, song);
  const SwapWhenTheSourceIsMade swap(Fifo("pipe"), song);
  ReturnsWithin(10s, "Play", [&] { engine_->Play(); });
  ASSERT_TRUE(swap.Swapped());
  EXPECT_EQ(engine_->PlayState(), kPlayStatePlaying);
  EXPECT_EQ(engine_->PutCurrentPosition(2.0), 0);  // past the end of the file it replaced
  EXPECT_NEAR(engine_->CurrentPosition().value_or(-1.0), 2.0, 0.15);
}

// TagLib reads the tags the engine lacks (the encoder of a WMA file) from
// the file that plays, not from whatever its name names by then.
TEST_F(GstSwappedFile, TagsComeFromThePlayingFileThoughAFifoTookItsName) {
  const fs::path song = folder_.File("tagged.wma");
  fs::copy_file(testing::MediaFixture("tagged.wma"), song);
  ASSERT_EQ(engine_->PutUrl(EnginePath(song)), 0);
  fs::rename(Fifo("pipe"), song);

  const auto media = ReturnsWithin(10s, "CurrentMedia", [&] { return engine_->CurrentMedia(); });
  ASSERT_TRUE(media.has_value());
  EXPECT_THAT(media->attributes,
              ::testing::Contains(::testing::AllOf(
                  ::testing::Field(&MediaAttribute::name, std::u16string(u"WM/EncodedBy")),
                  ::testing::Field(&MediaAttribute::value, std::u16string(u"Solvane Fixtures")))));
}

}  // namespace
}  // namespace solvane
