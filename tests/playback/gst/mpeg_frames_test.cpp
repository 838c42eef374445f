#include "playback/gst/mpeg_frames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace solvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// MPEG-1 Layer III at 44.1 kHz, no CRC; `kilobitIndex` 1..14 (1 = 32, 9 = 128,
// 14 = 320 kbit/s).
Bytes Header(int kilobitIndex, int padding = 0, std::uint8_t rateBits = 0) {
  return {0xFF, 0xFB, static_cast<std::uint8_t>((kilobitIndex << 4) | (rateBits << 2) | (padding << 1)),
          0x44};
}

// A whole frame: the header and a silent body of the length it announces.
Bytes Frame(int kilobitIndex, int padding = 0, std::uint8_t rateBits = 0) {
  Bytes frame = Header(kilobitIndex, padding, rateBits);
  frame.resize(static_cast<std::size_t>(ParseMpegFrameHeader(frame)->frameBytes), 0);
  return frame;
}

void Append(Bytes& stream, const Bytes& more) { stream.insert(stream.end(), more.begin(), more.end()); }

MpegFrameHeader StreamOf(const Bytes& stream) { return *ParseMpegFrameHeader(stream); }

struct HeaderRow {
  Bytes bytes;
  int kilobitsPerSecond;
  int sampleRate;
  int samplesPerFrame;
  int frameBytes;
};

TEST(ParseMpegFrameHeader, ReadsEachVersionAndLayer) {
  const HeaderRow rows[] = {
      {{0xFF, 0xFB, 0x90, 0x44}, 128, 44100, 1152, 417},  // MPEG-1 Layer III
      {{0xFF, 0xFB, 0x92, 0x44}, 128, 44100, 1152, 418},  // padded
      {{0xFF, 0xFB, 0xE4, 0x00}, 320, 48000, 1152, 960},
      {{0xFF, 0xFD, 0x18, 0xC0}, 32, 32000, 1152, 144},   // MPEG-1 Layer II
      {{0xFF, 0xFF, 0x10, 0x00}, 32, 44100, 384, 32},     // MPEG-1 Layer I, in 4-byte slots
      {{0xFF, 0xF3, 0x80, 0x00}, 64, 22050, 576, 208},    // MPEG-2 Layer III
      {{0xFF, 0xE3, 0x18, 0x00}, 8, 8000, 576, 72},       // MPEG-2.5 Layer III
  };
  for (const HeaderRow& row : rows) {
    SCOPED_TRACE(row.frameBytes);
    const auto header = ParseMpegFrameHeader(row.bytes);
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->kilobitsPerSecond, row.kilobitsPerSecond);
    EXPECT_EQ(header->sampleRate, row.sampleRate);
    EXPECT_EQ(header->samplesPerFrame, row.samplesPerFrame);
    EXPECT_EQ(header->frameBytes, row.frameBytes);
  }
}

TEST(ParseMpegFrameHeader, RefusesWhatIsNoFrameHeader) {
  const Bytes rows[] = {
      {0xFF, 0xFB, 0x90},        // too short
      {0xFE, 0xFB, 0x90, 0x44},  // no sync
      {0xFF, 0xDB, 0x90, 0x44},
      {0xFF, 0xEB, 0x90, 0x44},  // reserved version
      {0xFF, 0xF9, 0x90, 0x44},  // reserved layer
      {0xFF, 0xFB, 0x00, 0x44},  // free format
      {0xFF, 0xFB, 0xF0, 0x44},  // invalid bit rate
      {0xFF, 0xFB, 0x9C, 0x44},  // reserved sample rate
      {0xFF, 0xFB, 0x90, 0x46},  // reserved emphasis
  };
  for (const Bytes& bytes : rows) {
    EXPECT_FALSE(ParseMpegFrameHeader(bytes).has_value()) << int{bytes[1]} << " " << int{bytes[2]};
  }
}

TEST(TallyMpegFrames, CountsEveryFrameOfAVariableRateStream) {
  Bytes stream;
  for (int index : {14, 1, 1, 9, 1, 5}) {
    Append(stream, Frame(index, index == 9 ? 1 : 0));
  }
  const MpegFrameTally tally = TallyMpegFrames(stream, StreamOf(stream));
  EXPECT_EQ(tally.frames, 6);
  EXPECT_EQ(tally.kilobitsPerSecond, 320 + 32 + 32 + 128 + 32 + 64);
}

TEST(TallyMpegFrames, CountsOnlyFramesThatStartInTheCountedPart) {
  Bytes stream = Frame(14);                                   // 1044 bytes
  Append(stream, Frame(14));                                  // starts at 1044
  Append(stream, Frame(1));                                   // starts at 2088
  const MpegFrameHeader first = StreamOf(stream);
  EXPECT_EQ(TallyMpegFrames(stream, first, 1044).frames, 1);
  EXPECT_EQ(TallyMpegFrames(stream, first, 1045).frames, 2);  // runs on past the limit
  EXPECT_EQ(TallyMpegFrames(stream, first, 2089).frames, 3);
}

TEST(TallyMpegFrames, SkipsDamageAndLeavesOutACutLastFrame) {
  Bytes stream = Frame(9);
  Append(stream, Frame(9));
  Append(stream, {0x00, 0xFF, 0x12, 0xFF});  // damage between frames
  Append(stream, Frame(1));
  Append(stream, Frame(1));
  Bytes cut = Frame(9);
  cut.resize(100);
  Append(stream, cut);
  const MpegFrameTally tally = TallyMpegFrames(stream, StreamOf(stream));
  EXPECT_EQ(tally.frames, 4);
  EXPECT_EQ(tally.kilobitsPerSecond, 128 + 128 + 32 + 32);
}

TEST(TallyMpegFrames, TakesAFoundSyncOnlyWhenTheNextFrameConfirmsIt) {
  // A window that starts inside a frame whose data happens to hold a header.
  Bytes body(300, 0);
  const Bytes fake = Header(1);
  std::copy(fake.begin(), fake.end(), body.begin() + 10);
  Bytes stream = body;
  Append(stream, Frame(5));
  Append(stream, Frame(5));
  const MpegFrameTally tally = TallyMpegFrames(stream, StreamOf(Frame(5)));
  EXPECT_EQ(tally.frames, 2);
  EXPECT_EQ(tally.kilobitsPerSecond, 64 + 64);
}

TEST(TallyMpegFrames, IgnoresFramesOfAnotherStream) {
  Bytes stream = Frame(9);
  Append(stream, Frame(9));
  Append(stream, Frame(9, 0, 1));  // 48 kHz
  Append(stream, Frame(9, 0, 1));
  EXPECT_EQ(TallyMpegFrames(stream, StreamOf(stream)).frames, 2);
}

// Reads from a file image the way the TagLib side does.
ReadFileBytes ReaderOf(const Bytes& file, std::int64_t* bytesRead = nullptr) {
  return [&file, bytesRead](std::int64_t offset, std::int64_t length) {
    const auto size = static_cast<std::int64_t>(file.size());
    const std::int64_t from = std::min(offset, size);
    const std::int64_t to = std::min(offset + length, size);
    if (bytesRead != nullptr) {
      *bytesRead += to - from;
    }
    return Bytes(file.begin() + from, file.begin() + to);
  };
}

TEST(MeasureMpegStream, CountsAShortStreamExactly) {
  Bytes file(1000, 0);  // a tag before the stream
  const auto start = static_cast<std::int64_t>(file.size());
  for (int i = 0; i < 90; ++i) {
    Append(file, Frame(i % 3 == 0 ? 14 : 1));
  }
  const auto end = static_cast<std::int64_t>(file.size());
  Append(file, Bytes(128, 'T'));  // a tag after it
  const auto length = MeasureMpegStream(start, end, ReaderOf(file));
  ASSERT_TRUE(length.has_value());
  EXPECT_DOUBLE_EQ(length->seconds, 90 * 1152 / 44100.0);
  EXPECT_EQ(length->bitsPerSecond, (30 * 320 + 60 * 32) * 1000 / 90);
}

TEST(MeasureMpegStream, KnowsNothingWithoutAFrameAtTheStart) {
  Bytes file(4000, 0);
  EXPECT_FALSE(MeasureMpegStream(0, 4000, ReaderOf(file)).has_value());
  file = Frame(9);
  EXPECT_FALSE(MeasureMpegStream(0, 0, ReaderOf(file)).has_value());
  EXPECT_FALSE(MeasureMpegStream(-4, 400, ReaderOf(file)).has_value());
  // One frame alone is never confirmed by a next one.
  EXPECT_FALSE(MeasureMpegStream(0, static_cast<std::int64_t>(file.size()), ReaderOf(file)).has_value());
}

// A long stream is sampled: the estimate lands close to the true length while
// only the sample windows are read.
TEST(MeasureMpegStream, EstimatesALongStreamFromSamples) {
  Bytes pattern;  // three quiet frames and a loud one, over and over
  for (int index : {1, 1, 1, 14}) {
    Append(pattern, Frame(index));
  }
  constexpr int kRepeats = 12'000;
  Bytes file;
  file.reserve(pattern.size() * kRepeats);
  for (int i = 0; i < kRepeats; ++i) {
    Append(file, pattern);
  }
  const auto end = static_cast<std::int64_t>(file.size());
  ASSERT_GT(end, kMpegWholeCountBytes);

  std::int64_t bytesRead = 0;
  const auto length = MeasureMpegStream(0, end, ReaderOf(file, &bytesRead));
  ASSERT_TRUE(length.has_value());
  const double trueSeconds = 4.0 * kRepeats * 1152 / 44100.0;
  EXPECT_NEAR(length->seconds, trueSeconds, trueSeconds * 0.01);
  EXPECT_NEAR(static_cast<double>(length->bitsPerSecond), 104'000.0, 104'000.0 * 0.05);
  EXPECT_LE(bytesRead, 4 + kMpegSampleWindows * (kMpegSampleWindowBytes + kMpegLongestFrameBytes + 4));
}

}  // namespace
}  // namespace solvane
