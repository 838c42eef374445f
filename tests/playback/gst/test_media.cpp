#include "tests/playback/gst/test_media.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <thread>
#include <vector>

#include <gst/gst.h>

#include "base/wide_text.h"

namespace solvane::testing {

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutLittleEndian(Bytes& out, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) {
    out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
}

void PutBigEndian(Bytes& out, std::uint32_t value, int size) {
  for (int i = size - 1; i >= 0; --i) {
    out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
}

void PutText(Bytes& out, const char* text) {
  for (; *text != '\0'; ++text) {
    out.push_back(static_cast<std::uint8_t>(*text));
  }
}

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) {
    throw std::runtime_error("cannot write " + path.string());
  }
}

}  // namespace

void WriteToneWav(const std::filesystem::path& path, int seconds) {
  WritePcmWav(path, PcmLayout{8000, 1, 16}, seconds);
}

void WritePcmWav(const std::filesystem::path& path, const PcmLayout& layout, int seconds) {
  const std::uint32_t bytesPerFrame = layout.channels * (layout.bitsPerSample / 8);
  const std::uint32_t frames = layout.sampleRate * static_cast<std::uint32_t>(seconds);
  const std::uint32_t dataBytes = frames * bytesPerFrame;
  Bytes out;
  PutText(out, "RIFF");
  PutLittleEndian(out, 36 + dataBytes, 4);
  PutText(out, "WAVEfmt ");
  PutLittleEndian(out, 16, 4);     // format chunk size
  PutLittleEndian(out, 1, 2);      // PCM
  PutLittleEndian(out, layout.channels, 2);
  PutLittleEndian(out, layout.sampleRate, 4);
  PutLittleEndian(out, layout.sampleRate * bytesPerFrame, 4);  // bytes per second
  PutLittleEndian(out, bytesPerFrame, 2);                      // block align
  PutLittleEndian(out, layout.bitsPerSample, 2);
  PutText(out, "data");
  PutLittleEndian(out, dataBytes, 4);
  const std::uint32_t sampleBytes = layout.bitsPerSample / 8;
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double wave = std::sin(2.0 * 3.14159265358979 * 440.0 * i / layout.sampleRate);
    // 8-bit PCM is unsigned around 128; wider samples are signed.
    const auto level = static_cast<std::int32_t>(std::lround(wave * 0.1 * (1 << (8 * sampleBytes - 1))));
    const auto sample = static_cast<std::uint32_t>(sampleBytes == 1 ? level + 128 : level);
    for (std::uint32_t channel = 0; channel < layout.channels; ++channel) {
      PutLittleEndian(out, sample, static_cast<int>(sampleBytes));
    }
  }
  WriteBytes(path, out);
}

void WriteOneNoteMidi(const std::filesystem::path& path, int seconds) {
  constexpr std::uint32_t kTicksPerQuarter = 480;  // at the default 120 beats a minute
  const std::uint32_t length = kTicksPerQuarter * 2 * static_cast<std::uint32_t>(seconds);
  Bytes track = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // tempo: 500000 us a quarter
                 0x00, 0x90, 0x3C, 0x40};                    // note on, middle C
  Bytes delta;  // variable-length quantity, most significant group first
  for (int shift = 21; shift > 0; shift -= 7) {
    if (length >> shift != 0) {
      delta.push_back(static_cast<std::uint8_t>(0x80 | ((length >> shift) & 0x7F)));
    }
  }
  delta.push_back(static_cast<std::uint8_t>(length & 0x7F));
  track.insert(track.end(), delta.begin(), delta.end());
  track.insert(track.end(), {0x80, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00});  // note off, end
  Bytes out;
  PutText(out, "MThd");
  PutBigEndian(out, 6, 4);
  PutBigEndian(out, 0, 2);  // one track
  PutBigEndian(out, 1, 2);
  PutBigEndian(out, kTicksPerQuarter, 2);
  PutText(out, "MTrk");
  PutBigEndian(out, static_cast<std::uint32_t>(track.size()), 4);
  out.insert(out.end(), track.begin(), track.end());
  WriteBytes(path, out);
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  WriteBytes(path, Bytes(text.begin(), text.end()));
}

bool WriteEncodedTone(const std::filesystem::path& path, const std::string& encoder) {
  gst_init(nullptr, nullptr);
  const std::string description =
      "audiotestsrc num-buffers=10 samplesperbuffer=4800 volume=0.2 ! "
      "audio/x-raw,rate=48000,channels=1 ! audioconvert ! "
      "taginject tags=\"title=\\\"Harbour Lights\\\",artist=\\\"Mira Okafor\\\","
      "album=\\\"Tide Tables\\\"\" ! " +
      encoder + " ! filesink location=\"" + path.string() + "\"";
  GError* error = nullptr;
  GstElement* pipeline = gst_parse_launch(description.c_str(), &error);
  if (error != nullptr) {
    g_error_free(error);
  }
  if (pipeline == nullptr) {
    return false;
  }
  gst_element_set_state(pipeline, GST_STATE_PLAYING);
  GstBus* bus = gst_element_get_bus(pipeline);
  GstMessage* end = gst_bus_timed_pop_filtered(
      bus, GST_CLOCK_TIME_NONE, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
  const bool written = end != nullptr && GST_MESSAGE_TYPE(end) == GST_MESSAGE_EOS;
  if (end != nullptr) {
    gst_message_unref(end);
  }
  gst_object_unref(bus);
  gst_element_set_state(pipeline, GST_STATE_NULL);
  gst_object_unref(pipeline);
  return written;
}

std::filesystem::path MediaFixture(const std::string& name) {
  return std::filesystem::path(SOLVANE_SOURCE_DIR) / "tests" / "media" / name;
}

std::string TestName(std::string fileName) {
  for (char& c : fileName) {
    if (c == '.') {
      c = '_';
    }
  }
  return fileName;
}

std::u16string EnginePath(const std::filesystem::path& path) { return Wide(path.string()); }

void UseHeadlessAudio() { setenv("SOLVANE_AUDIO_SINK", "fakesink", 0); }

bool PollUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

}  // namespace solvane::testing
