#include "playback/gst/mpeg_frames.h"

#include <array>

namespace solvane {

namespace {

// Bit rates in kilobits per second by bit-rate index (0 = free format, 15 =
// invalid; neither is looked up).
constexpr std::array<std::array<int, 15>, 5> kKilobitsPerSecond{{
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},  // MPEG-1 Layer I
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},     // MPEG-1 Layer II
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},      // MPEG-1 Layer III
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},     // MPEG-2/2.5 Layer I
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},          // MPEG-2/2.5 II, III
}};

// Sample rates by version (MPEG-1, MPEG-2, MPEG-2.5) and sample-rate index.
constexpr std::array<std::array<int, 3>, 3> kSampleRates{{
    {44100, 48000, 32000},
    {22050, 24000, 16000},
    {11025, 12000, 8000},
}};

constexpr int kVersionBitsMpeg25 = 0;
constexpr int kVersionBitsReserved = 1;
constexpr int kVersionBitsMpeg1 = 3;
constexpr std::size_t kHeaderBytes = 4;

std::optional<MpegFrameHeader> HeaderOfStream(std::span<const std::uint8_t> bytes,
                                              const MpegFrameHeader& stream) {
  std::optional<MpegFrameHeader> header = ParseMpegFrameHeader(bytes);
  if (header && header->streamBits != stream.streamBits) {
    return std::nullopt;
  }
  return header;
}

void Add(MpegFrameTally& total, const MpegFrameTally& part) {
  total.frames += part.frames;
  total.kilobitsPerSecond += part.kilobitsPerSecond;
}

std::span<const std::uint8_t> Bytes(const std::vector<std::uint8_t>& block) {
  return {block.data(), block.size()};
}

}  // namespace

std::optional<MpegFrameHeader> ParseMpegFrameHeader(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kHeaderBytes || bytes[0] != 0xFF || (bytes[1] & 0xE0) != 0xE0) {
    return std::nullopt;
  }
  const int versionBits = (bytes[1] >> 3) & 3;
  const int layerBits = (bytes[1] >> 1) & 3;  // 3 = Layer I, 2 = II, 1 = III
  const int bitrateIndex = bytes[2] >> 4;
  const int rateIndex = (bytes[2] >> 2) & 3;
  const int padding = (bytes[2] >> 1) & 1;
  const int emphasis = bytes[3] & 3;
  if (versionBits == kVersionBitsReserved || layerBits == 0 || bitrateIndex == 0 ||
      bitrateIndex == 15 || rateIndex == 3 || emphasis == 2) {
    return std::nullopt;
  }
  const bool mpeg1 = versionBits == kVersionBitsMpeg1;
  const int layer = 4 - layerBits;
  const std::size_t table = mpeg1 ? static_cast<std::size_t>(layer - 1) : (layer == 1 ? 3 : 4);
  const std::size_t version = mpeg1 ? 0 : (versionBits == kVersionBitsMpeg25 ? 2 : 1);

  MpegFrameHeader header;
  header.streamBits = ((std::uint32_t{bytes[1]} & 0x1E) << 8) | (std::uint32_t{bytes[2]} & 0x0C);
  header.kilobitsPerSecond = kKilobitsPerSecond[table][static_cast<std::size_t>(bitrateIndex)];
  header.sampleRate = kSampleRates[version][static_cast<std::size_t>(rateIndex)];
  header.samplesPerFrame = layer == 1 ? 384 : (layer == 3 && !mpeg1 ? 576 : 1152);
  const int bitsPerSecond = header.kilobitsPerSecond * 1000;
  // Layer I counts its length in four-byte slots, the others in bytes.
  header.frameBytes = layer == 1
                          ? (12 * bitsPerSecond / header.sampleRate + padding) * 4
                          : header.samplesPerFrame / 8 * bitsPerSecond / header.sampleRate + padding;
  return header;
}

MpegFrameTally TallyMpegFrames(std::span<const std::uint8_t> bytes, const MpegFrameHeader& stream,
                               std::size_t startsBefore) {
  MpegFrameTally tally;
  std::size_t at = 0;
  bool inStep = false;  // `at` is where the previous counted frame ended
  while (at < startsBefore && at + kHeaderBytes <= bytes.size()) {
    std::optional<MpegFrameHeader> header = HeaderOfStream(bytes.subspan(at), stream);
    const auto length = header ? static_cast<std::size_t>(header->frameBytes) : 0;
    bool counts = header && at + length <= bytes.size();
    // A sync pattern found by searching may lie inside audio data; only one
    // that the following frame confirms is taken.
    if (counts && !inStep) {
      counts = HeaderOfStream(bytes.subspan(at + length), stream).has_value();
    }
    if (!counts) {
      ++at;
      inStep = false;
      continue;
    }
    ++tally.frames;
    tally.kilobitsPerSecond += header->kilobitsPerSecond;
    at += length;
    inStep = true;
  }
  return tally;
}

std::optional<MpegStreamLength> MeasureMpegStream(std::int64_t start, std::int64_t end,
                                                  const ReadFileBytes& read) {
  const std::int64_t streamBytes = end - start;
  if (start < 0 || streamBytes <= 0) {
    return std::nullopt;
  }
  const std::optional<MpegFrameHeader> first =
      ParseMpegFrameHeader(Bytes(read(start, static_cast<std::int64_t>(kHeaderBytes))));
  if (!first) {
    return std::nullopt;
  }
  const bool countsEveryFrame = streamBytes <= kMpegWholeCountBytes;
  MpegFrameTally tally;
  if (countsEveryFrame) {
    tally = TallyMpegFrames(Bytes(read(start, streamBytes)), *first);
  } else {
    // Each window reads on far enough to hold its last frame whole and the
    // header after it.
    const std::int64_t spacing = (streamBytes - kMpegSampleWindowBytes) / (kMpegSampleWindows - 1);
    const std::int64_t readBytes = kMpegSampleWindowBytes + kMpegLongestFrameBytes + 4;
    for (int window = 0; window < kMpegSampleWindows; ++window) {
      const std::vector<std::uint8_t> block = read(start + spacing * window, readBytes);
      Add(tally, TallyMpegFrames(Bytes(block), *first, kMpegSampleWindowBytes));
    }
  }
  if (tally.frames == 0) {
    return std::nullopt;
  }
  // Samples stand for the whole stream in proportion to its bytes.
  constexpr auto kSampledBytes = static_cast<double>(kMpegSampleWindows * kMpegSampleWindowBytes);
  const double frames =
      countsEveryFrame ? static_cast<double>(tally.frames)
                       : static_cast<double>(tally.frames) * static_cast<double>(streamBytes) /
                             kSampledBytes;
  MpegStreamLength length;
  length.seconds = frames * first->samplesPerFrame / first->sampleRate;
  length.bitsPerSecond = tally.kilobitsPerSecond * 1000 / tally.frames;
  return length;
}

}  // namespace solvane
