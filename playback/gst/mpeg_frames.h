#pragma once
// The length and average bit rate of an MPEG audio stream (Layer I, II or III)
// measured from its frame headers, for streams that carry no Xing or VBRI
// header saying how many frames they hold. Without one, both TagLib and the
// engine extrapolate from the frames seen first, which for a variable bit
// rate stream can be several times off.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace solvane {

struct MpegFrameHeader {
  std::uint32_t streamBits = 0;  // version, layer and sample rate: alike in every frame
  int kilobitsPerSecond = 0;
  int sampleRate = 0;
  int samplesPerFrame = 0;
  int frameBytes = 0;  // header included
};

// The frame header in the first four bytes; nothing when they are not one (no
// sync, a reserved field, or the free-format bit rate, whose frames have no
// length of their own).
std::optional<MpegFrameHeader> ParseMpegFrameHeader(std::span<const std::uint8_t> bytes);

// The longest frame any header can announce (MPEG-2.5 Layer II, 160 kbit/s
// at 8 kHz, padded).
inline constexpr int kMpegLongestFrameBytes = 2881;

struct MpegFrameTally {
  std::int64_t frames = 0;
  std::int64_t kilobitsPerSecond = 0;  // the counted frames' bit rates added up
};

// Counts the frames of `stream` that lie whole in `bytes` and start within
// its first `startsBefore` bytes. Where the bytes are not at a frame (the
// start of a window cut into the stream, or damage), the count picks up again
// at a header that the next frame's header confirms.
MpegFrameTally TallyMpegFrames(std::span<const std::uint8_t> bytes, const MpegFrameHeader& stream,
                               std::size_t startsBefore = SIZE_MAX);

// Streams up to this size are counted frame by frame; longer ones from the
// frames that start in evenly spread sample windows, which bounds what is
// read. Counting by where frames start keeps long frames from being missed
// more often than short ones at the windows' edges.
inline constexpr std::int64_t kMpegWholeCountBytes = std::int64_t{8} << 20;
inline constexpr int kMpegSampleWindows = 32;
inline constexpr std::int64_t kMpegSampleWindowBytes = std::int64_t{32} << 10;

struct MpegStreamLength {
  double seconds = 0.0;
  std::int64_t bitsPerSecond = 0;  // the frames' average
};

// Reads up to `length` bytes of the file from `offset`; fewer at its end.
using ReadFileBytes = std::function<std::vector<std::uint8_t>(std::int64_t offset, std::int64_t length)>;

// The length of the stream whose first frame starts at `start` and whose last
// frame ends at `end`; nothing when no frame of it can be found.
std::optional<MpegStreamLength> MeasureMpegStream(std::int64_t start, std::int64_t end,
                                                  const ReadFileBytes& read);

}  // namespace solvane
