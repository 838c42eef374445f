#include "playback/gst/gst_playbin.h"

#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace solvane {
namespace {

// Sets SOLVANE_AUDIO_SINK for one test and puts the old value back after it.
class AudioSinkVariable : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(EnsureGstreamer());
    if (const char* old = std::getenv(kName)) {
      saved_ = old;
    }
  }
  void TearDown() override {
    if (saved_) {
      setenv(kName, saved_->c_str(), 1);
    } else {
      unsetenv(kName);
    }
  }
  static void Set(const char* value) { setenv(kName, value, 1); }

  static constexpr const char* kName = "SOLVANE_AUDIO_SINK";
  std::optional<std::string> saved_;
};

bool SyncOf(GstElement* element) {
  gboolean sync = FALSE;
  g_object_get(element, "sync", &sync, nullptr);
  return sync != FALSE;
}

TEST_F(AudioSinkVariable, APlainSinkNameRunsInRealTime) {
  Set("fakesink");
  GstElement* sink = CreateAudioSinkFromEnvironment();
  ASSERT_NE(sink, nullptr);
  gst_object_ref_sink(sink);
  EXPECT_STREQ(G_OBJECT_TYPE_NAME(sink), "GstFakeSink");
  EXPECT_TRUE(SyncOf(sink));
  gst_object_unref(sink);
}

TEST_F(AudioSinkVariable, ADescriptionIsBuiltAsWritten) {
  Set("audioconvert ! fakesink sync=false");
  GstElement* sink = CreateAudioSinkFromEnvironment();
  ASSERT_NE(sink, nullptr);
  gst_object_ref_sink(sink);
  EXPECT_TRUE(GST_IS_BIN(sink));
  gst_object_unref(sink);
}

TEST_F(AudioSinkVariable, UnsetOrUnknownLeavesTheChoiceToThePlaybin) {
  unsetenv(kName);
  EXPECT_EQ(CreateAudioSinkFromEnvironment(), nullptr);
  Set("no_such_sink_element");
  EXPECT_EQ(CreateAudioSinkFromEnvironment(), nullptr);
  Set("fakesink ! ! broken");
  EXPECT_EQ(CreateAudioSinkFromEnvironment(), nullptr);
}

TEST_F(AudioSinkVariable, ThePlaybinPlaysSoundOnlyWithSoftwareVolume) {
  Set("fakesink");
  GstElement* playbin = CreateAudioPlaybin();
  ASSERT_NE(playbin, nullptr);
  GParamSpec* spec = g_object_class_find_property(G_OBJECT_GET_CLASS(playbin), "flags");
  ASSERT_NE(spec, nullptr);
  auto* flagsClass = static_cast<GFlagsClass*>(g_type_class_ref(spec->value_type));
  const guint expected = g_flags_get_value_by_nick(flagsClass, "audio")->value |
                         g_flags_get_value_by_nick(flagsClass, "soft-volume")->value;
  g_type_class_unref(flagsClass);
  guint flags = 0;
  g_object_get(playbin, "flags", &flags, nullptr);
  EXPECT_EQ(flags, expected);
  GstElement* videoSink = nullptr;
  g_object_get(playbin, "video-sink", &videoSink, nullptr);
  ASSERT_NE(videoSink, nullptr);
  EXPECT_STREQ(G_OBJECT_TYPE_NAME(videoSink), "GstFakeSink");
  gst_object_unref(videoSink);
  gst_object_unref(playbin);
}

}  // namespace
}  // namespace solvane
