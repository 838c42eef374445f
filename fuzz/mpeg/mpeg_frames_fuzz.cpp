// Arbitrary bytes as an MPEG audio stream: the header parser, the frame count
// and the length measure must stay inside the bytes and give sane figures.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "playback/gst/mpeg_frames.h"

namespace {

void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using solvane::MpegFrameHeader;
  const std::span<const std::uint8_t> bytes(data, size);

  // The first header of the stream, wherever the bytes offer one.
  std::optional<MpegFrameHeader> stream;
  std::size_t start = 0;
  for (; start + 4 <= size && !stream; ++start) {
    stream = solvane::ParseMpegFrameHeader(bytes.subspan(start));
  }
  if (!stream) {
    return 0;
  }
  --start;
  Check(stream->frameBytes >= 4 && stream->frameBytes <= solvane::kMpegLongestFrameBytes);

  const auto tally = solvane::TallyMpegFrames(bytes, *stream);
  Check(tally.frames >= 0);
  Check(tally.frames * 4 <= static_cast<std::int64_t>(size));

  const auto read = [&](std::int64_t offset, std::int64_t length) {
    std::vector<std::uint8_t> out;
    if (offset < 0 || length < 0 || offset >= static_cast<std::int64_t>(size)) {
      return out;
    }
    const auto count = std::min<std::int64_t>(length, static_cast<std::int64_t>(size) - offset);
    out.assign(data + offset, data + offset + count);
    return out;
  };
  const auto length =
      solvane::MeasureMpegStream(static_cast<std::int64_t>(start), static_cast<std::int64_t>(size), read);
  if (length) {
    Check(std::isfinite(length->seconds) && length->seconds >= 0.0);
    Check(length->bitsPerSecond >= 0);
  }
  return 0;
}
