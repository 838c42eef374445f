// Lyric loading, window fills and the tick, each beside the plain loop it is
// measured against: a walk over every "[" of the same bytes with memchr, and
// a sum over as many int32 values as the tick's tag index holds. Loading is
// measured for a UTF-8 file, for a GBK one, which goes through the
// detectors and ICU's converter, and for one in today's LRC shapes, which is
// brought into the ten-byte form first.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "base/wide_text.h"
#include "lyrics/icu_legacy_decoder.h"
#include "lyrics/lyrics.h"
#include "tests/fakes/code_unit_order.h"

namespace solvane {
namespace {

constexpr std::size_t kFileSize = 1'000'000;
constexpr int kLines = 40'000;
constexpr int kTickTags = 100'000;
constexpr std::int32_t kLastTagTime = 59'999;  // [99:59.90], the largest this file writes

std::string Tag(std::int32_t tenths) {
  char tag[32];
  std::snprintf(tag, sizeof(tag), "[%02d:%02d.%d0]", tenths / 600, tenths / 10 % 60, tenths % 10);
  return tag;
}

// Header tags, then kLines lines in time order, padded to exactly kFileSize.
std::string LargeLyricFile() {
  std::string text = "[ar:Some Artist]\r\n[ti:A Rather Long Song]\r\n[al:The Album]\r\n[by:Someone]\r\n";
  const std::size_t lineRoom = (kFileSize - text.size()) / kLines;
  for (int k = 0; k < kLines; ++k) {
    std::string line = Tag(k * 3 / 2) + "Line " + std::to_string(k) + " of the song";
    line.resize(lineRoom - 2, '.');
    text += line + "\r\n";
  }
  text.resize(kFileSize, '.');
  return text;
}

// The same shape in GBK: Chinese header and lines of two-byte characters,
// padded with them to exactly kFileSize bytes.
std::string LargeGbkLyricFile() {
  // "Moonlight over the sea", "night falls slowly on the water" and a
  // padding character, in GBK.
  const std::string title = "\xD4\xC2\xB9\xE2\xCF\xC2\xB5\xC4\xBA\xA3";
  const std::string words = "\xD2\xB9\xC9\xAB\xC2\xFD\xC2\xFD\xC2\xE4\xD4\xDA\xBA\xA3\xC3\xE6\xC9\xCF";
  const std::string pad = "\xB5\xC6";
  std::string text = "[ar:" + title + "]\r\n[ti:" + title + "]\r\n";
  const std::size_t lineRoom = (kFileSize - text.size()) / kLines;
  for (int k = 0; k < kLines; ++k) {
    std::string line = Tag(k * 3 / 2) + words + std::to_string(k);
    while (line.size() + pad.size() + 2 <= lineRoom) {
      line += pad;
    }
    text += line + "\r\n";
  }
  while (text.size() + pad.size() <= kFileSize) {
    text += pad;
  }
  text.resize(kFileSize, '.');
  return text;
}

// The same lines as today's tools write them: one-digit minutes and
// three-digit fractions, with an offset line, padded to exactly kFileSize.
std::string LargeNewShapeLyricFile() {
  std::string text = "[ar:Some Artist]\r\n[ti:A Rather Long Song]\r\n[offset:+100]\r\n";
  const std::size_t lineRoom = (kFileSize - text.size()) / kLines;
  for (int k = 0; k < kLines; ++k) {
    const int milliseconds = k * 150;
    char tag[32];
    std::snprintf(tag, sizeof(tag), "[%d:%02d.%03d]", milliseconds / 60000, milliseconds / 1000 % 60,
                  milliseconds % 1000);
    std::string line = tag + std::string("Line ") + std::to_string(k) + " of the song";
    line.resize(lineRoom - 2, '.');
    text += line + "\r\n";
  }
  text.resize(kFileSize, '.');
  return text;
}

// kTickTags tags in time order, no text, as many bytes as a file may hold.
std::string TagOnlyFile() {
  std::string text;
  for (int k = 0; k < kTickTags; ++k) {
    text += Tag(static_cast<std::int32_t>(static_cast<std::int64_t>(k) * kLastTagTime / kTickTags));
  }
  return text;
}

// The large files written once into a folder of their own.
class BenchFiles {
 public:
  BenchFiles() : bytes(LargeLyricFile()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "solvane-bench-XXXXXX").string();
    folder = mkdtemp(pattern.data()) != nullptr ? pattern + "/" : std::string("./");
    std::ofstream(folder + "song.LRC", std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    track = Wide(folder + "song.mp3");
    const std::string gbk = LargeGbkLyricFile();
    std::ofstream(folder + "gbk.LRC", std::ios::binary).write(gbk.data(), static_cast<std::streamsize>(gbk.size()));
    gbkTrack = Wide(folder + "gbk.mp3");
    const std::string newShapes = LargeNewShapeLyricFile();
    std::ofstream(folder + "new.LRC", std::ios::binary)
        .write(newShapes.data(), static_cast<std::streamsize>(newShapes.size()));
    newShapeTrack = Wide(folder + "new.mp3");
  }
  ~BenchFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  BenchFiles(const BenchFiles&) = delete;
  BenchFiles& operator=(const BenchFiles&) = delete;

  std::string bytes;
  std::string folder;
  std::u16string track;
  std::u16string gbkTrack;
  std::u16string newShapeTrack;
};

const BenchFiles& Files() {
  static const BenchFiles files;
  return files;
}

void PutContent(LyricState& lyrics, const std::string& bytes) {
  lyrics.size = static_cast<std::int32_t>(bytes.size());
  lyrics.content = std::make_unique<std::uint8_t[]>(bytes.size());
  std::memcpy(lyrics.content.get(), bytes.data(), bytes.size());
  lyrics.tagIndex = std::make_unique<std::int32_t[]>(bytes.size() / 10);
  lyrics.tagOffset = std::make_unique<std::int32_t[]>(bytes.size() / 10);
}

class NoRepaint : public Shell {
 public:
  void InvalidateMainWindow() override {}
  bool AskYesNo(std::u16string_view, std::u16string_view) override { return false; }
  void ShowError(std::u16string_view, std::u16string_view) override {}
  std::u16string ProgramFolder() const override { return {}; }
  std::u16string MusicFolder() const override { return {}; }
  const NameOrder& ListingOrder() const override { return order_; }
  ScreenSize PrimaryScreenSize() const override { return {}; }
  std::uint32_t TickMilliseconds() const override { return 0; }

 private:
  testing::CodeUnitOrder order_;
};

void BracketWalkBaseline(benchmark::State& state) {
  const std::string& bytes = Files().bytes;
  for (auto _ : state) {
    std::size_t visited = 0;
    const char* at = bytes.data();
    const char* end = bytes.data() + bytes.size();
    while ((at = static_cast<const char*>(std::memchr(at, '[', static_cast<std::size_t>(end - at)))) != nullptr) {
      ++visited;
      ++at;
    }
    benchmark::DoNotOptimize(visited);
  }
}
BENCHMARK(BracketWalkBaseline);

// Load, header, tag index and the first window of `track`, read as the
// program reads it.
void LoadToWindowFill(benchmark::State& state, const std::u16string& track) {
  const IcuLegacyDecoder decoder;
  LyricState lyrics;
  for (auto _ : state) {
    if (!LoadLyricFile(lyrics, track, &decoder)) {
      state.SkipWithError("the lyric file did not load");
      break;
    }
    ParseHeaderTags(lyrics);
    BuildTagIndex(lyrics);
    FillLyricWindow(lyrics, 0);
    benchmark::DoNotOptimize(lyrics.lineCount);
    benchmark::ClobberMemory();
  }
}

void LoadParseIndexFill(benchmark::State& state) { LoadToWindowFill(state, Files().track); }
BENCHMARK(LoadParseIndexFill);

void LoadParseIndexFillGbk(benchmark::State& state) {
  LoadToWindowFill(state, Files().gbkTrack);
  if (state.error_occurred()) {
    return;
  }
  LyricState lyrics;
  const IcuLegacyDecoder decoder;
  if (!LoadLyricFile(lyrics, Files().gbkTrack, &decoder) || lyrics.size <= static_cast<std::int32_t>(kFileSize)) {
    state.SkipWithError("the GBK file was not decoded");
  }
}
BENCHMARK(LoadParseIndexFillGbk);

void LoadParseIndexFillNewShapes(benchmark::State& state) {
  LoadToWindowFill(state, Files().newShapeTrack);
  if (state.error_occurred()) {
    return;
  }
  LyricState lyrics;
  if (!LoadLyricFile(lyrics, Files().newShapeTrack)) {
    state.SkipWithError("the file did not load");
    return;
  }
  BuildTagIndex(lyrics);
  if (lyrics.tagCount != kLines) {
    state.SkipWithError("the file was not brought into the ten-byte form");
  }
}
BENCHMARK(LoadParseIndexFillNewShapes);

// A time in the middle of the large file: its lines carry k * 3 / 2 tenths.
constexpr std::int32_t kMiddleTime = kLines * 3 / 4;

// A fill with no tag index built, so it reads the file from its first byte.
void FillFromTheMiddle(benchmark::State& state) {
  LyricState lyrics;
  PutContent(lyrics, Files().bytes);
  for (auto _ : state) {
    FillLyricWindow(lyrics, kMiddleTime);
    benchmark::DoNotOptimize(lyrics.lineCount);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(FillFromTheMiddle);

// The fill a page turn makes while the track plays: the file loaded as a
// track start leaves it, the new page starting two tenths before the
// position.
void PageTurnFillInTheMiddle(benchmark::State& state) {
  LyricState lyrics;
  PutContent(lyrics, Files().bytes);
  ParseHeaderTags(lyrics);
  BuildTagIndex(lyrics);
  for (auto _ : state) {
    FillLyricWindow(lyrics, kMiddleTime - 2);
    benchmark::DoNotOptimize(lyrics.lineCount);
    benchmark::ClobberMemory();
  }
  if (lyrics.lineCount != kLyricWindowSlots) {
    state.SkipWithError("the page is not full");
  }
}
BENCHMARK(PageTurnFillInTheMiddle);

void IntLoopBaseline(benchmark::State& state) {
  std::vector<std::int32_t> values(kTickTags);
  for (int k = 0; k < kTickTags; ++k) {
    values[static_cast<std::size_t>(k)] = k;
  }
  benchmark::DoNotOptimize(values.data());
  for (auto _ : state) {
    std::int32_t sum = 0;
    for (const std::int32_t value : values) {
      sum += value;
    }
    benchmark::DoNotOptimize(sum);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(IntLoopBaseline);

// The worst position: no tag lies between the last one taken and the
// position, so the tick walks the whole index and finds nothing.
void TickAtWorstPosition(benchmark::State& state) {
  LyricState lyrics;
  PutContent(lyrics, TagOnlyFile());
  BuildTagIndex(lyrics);
  FillLyricWindow(lyrics, 0);
  lyrics.lastTagTime = kLastTagTime;
  NoRepaint shell;
  for (auto _ : state) {
    benchmark::DoNotOptimize(LyricTick(lyrics, 6100.0, 9, shell));
    benchmark::ClobberMemory();
  }
  if (lyrics.tagCount != kTickTags) {
    state.SkipWithError("the tag index is not full");
  }
}
BENCHMARK(TickAtWorstPosition);

}  // namespace
}  // namespace solvane

BENCHMARK_MAIN();
