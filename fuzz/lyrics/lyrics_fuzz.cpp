// Arbitrary bytes as a lyric file, first (most of the time) turned into UTF-8
// in the ten-byte form as a load does, with the ICU decoder, then driven through the header parse,
// the tag index (with or without the tags' offsets), window fills, ticks and
// seeks with positions, seek targets and screen heights taken from the input.
// The fast scanners are checked against a plain byte-by-byte reading, and the
// record's invariants after every step.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "base/tenths.h"
#include "base/wide_text.h"
#include "fuzz/lyrics/naive_lyrics.h"
#include "lyrics/icu_legacy_decoder.h"
#include "lyrics/lrc_shapes.h"
#include "lyrics/lyric_decoding.h"
#include "lyrics/lyric_text.h"
#include "lyrics/lyrics.h"
#include "lyrics/time_tag.h"
#include "tests/fakes/recording_shell.h"

namespace solvane {
namespace {

constexpr int kMaxOperations = 64;

void Check(bool holds) {
  if (!holds) {
    std::abort();
  }
}

bool Terminated(const char (&field)[kLyricTextField]) {
  return std::memchr(field, '\0', kLyricTextField) != nullptr;
}

void CheckDisplayText(const char (&field)[kLyricTextField]) {
  const std::u16string shown = LyricTextToWide(field, kLyricTextField);
  const auto strict = Utf8ToWide(std::string_view(field, std::strlen(field)));
  Check(strict ? shown == *strict : shown.find(kReplacementCharacter) != std::u16string::npos);
}

void CheckHeader(const LyricState& lyrics, const naive::Bytes& bytes) {
  Check(Terminated(lyrics.artist) && Terminated(lyrics.title) && Terminated(lyrics.album));
  Check(lyrics.artist == naive::Header(bytes, "ar:"));
  Check(lyrics.title == naive::Header(bytes, "ti:"));
  Check(lyrics.album == naive::Header(bytes, "al:"));
  CheckDisplayText(lyrics.artist);
  CheckDisplayText(lyrics.title);
  CheckDisplayText(lyrics.album);
}

void CheckWindow(const LyricState& lyrics, const naive::Bytes& bytes, std::int32_t start) {
  const auto expected = naive::Window(bytes, start);
  Check(lyrics.lineCount >= 0 && lyrics.lineCount <= kLyricWindowSlots);
  Check(static_cast<std::size_t>(lyrics.lineCount) == expected.size());
  for (int slot = 0; slot < kLyricWindowSlots; ++slot) {
    Check(Terminated(lyrics.lineText[slot]));
    if (slot < lyrics.lineCount) {
      Check(lyrics.lineTime[slot] == expected[slot].first);
      Check(lyrics.lineText[slot] == expected[slot].second);
      CheckDisplayText(lyrics.lineText[slot]);
    } else {
      Check(lyrics.lineText[slot][0] == '\0');
    }
  }
}

std::int32_t RefillStart(std::int32_t time) {
  return time < std::numeric_limits<std::int32_t>::min() + 2 ? std::numeric_limits<std::int32_t>::min()
                                                             : time - 2;
}

double PositionFrom(FuzzedDataProvider& input) {
  switch (input.ConsumeIntegralInRange<int>(0, 7)) {
    case 0:
      return input.ConsumeFloatingPoint<double>();
    case 1:
      return std::nan("");
    case 2:
      return input.ConsumeBool() ? HUGE_VAL : -HUGE_VAL;
    default:
      return input.ConsumeIntegralInRange<std::int32_t>(-20, kLargestTagTime + 600) / 10.0 +
             input.ConsumeIntegralInRange<int>(0, 9) / 100.0;
  }
}

void Tick(LyricState& lyrics, const naive::Bytes& bytes, double position, int rows,
          testing::RecordingShell& shell) {
  const std::int32_t now = SecondsToTenths(position);
  const std::int32_t lastBefore = lyrics.lastTagTime;
  const auto passed = naive::PassedTag(lyrics.tagIndex.get(), lyrics.tagCount, lastBefore, now);
  const int invalidationsBefore = shell.invalidations;
  const std::int32_t firstSlotBefore = lyrics.lineTime[0];

  const bool chose = LyricTick(lyrics, position, rows, shell);

  Check(lyrics.lastTagTime == passed.value_or(lastBefore));
  Check(shell.invalidations == invalidationsBefore + (chose ? 1 : 0));
  Check(!chose || passed.has_value());
  Check(lyrics.currentLine >= 0 && lyrics.currentLine < rows - 3);
  if (passed && !chose) {
    CheckWindow(lyrics, bytes, RefillStart(now));
  } else if (!passed) {
    Check(lyrics.lineTime[0] == firstSlotBefore);
  }
}

// The ten-byte form of UTF-8 text as a load leaves it: lines ended at lone
// CRs, and a text without a ten-byte tag brought into that form, which stays
// valid UTF-8 and, when it had tags it could hold, gains ten-byte ones.
std::string InTenByteForm(std::string text) {
  EndLinesAtLoneCarriageReturns(reinterpret_cast<std::uint8_t*>(text.data()), text.size());
  Check(text.find('\r') == std::string::npos || text.find('\n') != std::string::npos);
  if (HasTenByteTimeTag(text)) {
    return text;
  }
  std::string form = ToTenByteForm(text);
  Check(IsValidUtf8(form));
  Check(!text.starts_with("[0:00]") || text.find("[offset:") != std::string::npos || HasTenByteTimeTag(form));
  return form;
}

// The file's bytes as a load leaves them. Whatever they were, the result is
// valid UTF-8, and bytes that already were (without a mark) are kept unchanged.
naive::Bytes Decoded(const naive::Bytes& raw) {
  static const IcuLegacyDecoder decoder;
  const std::string_view bytes(reinterpret_cast<const char*>(raw.data()), raw.size());
  const Utf8Reading reading = ReadAsUtf8(bytes, &decoder);
  const std::string text = reading.converted ? *reading.converted : std::string(bytes.substr(reading.keepFrom));
  Check(reading.keepFrom <= bytes.size());
  Check(Utf8ToWide(text).has_value() && IsValidUtf8(text));
  const bool marked = bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") ||
                      bytes.starts_with("\xFE\xFF");
  Check(marked || Utf8ToWide(bytes).has_value() == !reading.converted.has_value());
  Check(marked || reading.converted || text == bytes);
  const std::string form = InTenByteForm(text);
  return naive::Bytes(form.begin(), form.end());
}

void Run(FuzzedDataProvider& input) {
  const bool decode = input.ConsumeIntegralInRange<int>(0, 3) != 0;
  const naive::Bytes raw =
      input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, input.remaining_bytes()));
  const naive::Bytes bytes = decode ? Decoded(raw) : raw;
  LyricState lyrics;
  lyrics.size = static_cast<std::int32_t>(bytes.size());
  lyrics.content = std::make_unique<std::uint8_t[]>(bytes.size());
  if (!bytes.empty()) {
    std::memcpy(lyrics.content.get(), bytes.data(), bytes.size());
  }
  lyrics.tagIndex = std::make_unique<std::int32_t[]>(bytes.size() / kTimeTagLength);
  // With the tags' offsets the window fills go through the index, without
  // them they read the file; both must give the plain reading's window.
  if (input.ConsumeBool()) {
    lyrics.tagOffset = std::make_unique<std::int32_t[]>(bytes.size() / kTimeTagLength);
  }
  lyrics.lastTagTime = input.ConsumeBool() ? 0 : input.ConsumeIntegral<std::int32_t>();

  ParseHeaderTags(lyrics);
  CheckHeader(lyrics, bytes);
  BuildTagIndex(lyrics);
  Check(lyrics.tagCount <= lyrics.size / 10);
  Check(std::vector<std::int32_t>(lyrics.tagIndex.get(), lyrics.tagIndex.get() + lyrics.tagCount) ==
        naive::TagIndex(bytes));
  FillLyricWindow(lyrics, 0);
  CheckWindow(lyrics, bytes, 0);
  lyrics.currentLine = 0;

  testing::RecordingShell shell;
  const int rows = input.ConsumeBool() ? 9 : 12;
  for (int step = 0; step < kMaxOperations && input.remaining_bytes() > 0; ++step) {
    switch (input.ConsumeIntegralInRange<int>(0, 5)) {
      case 0: {
        const auto target = input.ConsumeIntegral<std::int32_t>();
        const bool present = input.ConsumeBool();
        ResyncLyrics(lyrics, present, target);
        if (present) {
          CheckWindow(lyrics, bytes, RefillStart(target));
          Check(lyrics.currentLine == 0);
        }
        break;
      }
      case 1: {
        const auto start = input.ConsumeIntegralInRange<std::int32_t>(-10, kLargestTagTime + 10);
        FillLyricWindow(lyrics, start);
        CheckWindow(lyrics, bytes, start);
        break;
      }
      default:
        Tick(lyrics, bytes, PositionFrom(input), rows, shell);
        break;
    }
  }
}

}  // namespace
}  // namespace solvane

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  solvane::Run(input);
  return 0;
}
