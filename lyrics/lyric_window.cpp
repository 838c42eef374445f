// The lyric window: up to 20 lines that start at or after a given time, the
// tick that picks the current line as the track plays, and the refill after a
// seek. None of these allocates.

#include <algorithm>
#include <climits>
#include <cstring>

#include "base/tenths.h"
#include "lyrics/lyric_content.h"
#include "lyrics/lyrics.h"

namespace solvane {

namespace {

// A refill starts this many tenths before the position, so a line that began
// a moment ago is still on the new page.
constexpr std::int32_t kRefillLead = 2;

// The lyric area has 9 or 12 rows. Anything else is kept inside the window
// so the slot comparisons never leave it.
constexpr int kFewestLyricRows = kRowsKeptBelowHighlight + 1;

std::int32_t TenthsBefore(std::int32_t time, std::int32_t lead) {
  return time < INT32_MIN + lead ? INT32_MIN : time - lead;
}

// The text after a tag: up to the next line feed, at most 129 bytes, less one
// trailing control byte (the carriage return of a CR LF line end).
std::size_t LineTextLength(LyricBytes bytes, std::size_t from) {
  std::size_t length = RunLength(bytes, from, '\n');
  if (length > 0 && bytes.data[from + length - 1] < 0x20) {
    --length;
  }
  return length;
}

// Index of the first entry for which `match` gives all ones; -1 if none.
// Whole blocks are tested without branching, so the common case (no entry
// matches) runs at the speed of a plain loop over the index.
template <typename Match>
std::int32_t FirstMatch(const std::int32_t* index, std::int32_t count, Match match) {
  constexpr std::int32_t kBlock = 64;
  std::int32_t i = 0;
  for (; i + kBlock <= count; i += kBlock) {
    std::uint32_t any = 0;
    for (std::int32_t k = 0; k < kBlock; ++k) {
      any |= match(index[i + k]);
    }
    if (any != 0) {
      break;
    }
  }
  for (; i < count; ++i) {
    if (match(index[i]) != 0) {
      return i;
    }
  }
  return -1;
}

std::uint32_t AllOnesIf(bool condition) { return 0U - static_cast<std::uint32_t>(condition); }

// Index of the first entry e with last < e < now, or e == now; -1 if none.
std::int32_t FindPassedTag(const std::int32_t* index, std::int32_t count, std::int32_t last,
                           std::int32_t now) {
  if (now <= last) {
    return FirstMatch(index, count, [now](std::int32_t e) { return AllOnesIf(e == now); });
  }
  // Here the two tests join into last < e <= now, one unsigned comparison,
  // written as a signed one (both sides offset by 2^31) because that is the
  // comparison vector units have.
  constexpr std::uint32_t kSignBit = 0x80000000U;
  const std::uint32_t low = static_cast<std::uint32_t>(last) + 1U;
  const auto span = static_cast<std::uint32_t>(static_cast<std::int64_t>(now) - last);
  const std::uint32_t biasedLow = low - kSignBit;
  const auto biasedSpan = static_cast<std::int32_t>(span ^ kSignBit);
  return FirstMatch(index, count, [biasedLow, biasedSpan](std::int32_t e) {
    return AllOnesIf(static_cast<std::int32_t>(static_cast<std::uint32_t>(e) - biasedLow) < biasedSpan);
  });
}

// Puts the line of the tag at `offset` into window slot `slot`.
void PutLine(LyricState& lyrics, std::int32_t slot, LyricBytes bytes, std::size_t offset,
             std::int32_t tenths) {
  const std::size_t from = offset + kTimeTagLength;
  CopyText(lyrics.lineText[slot], bytes, from, LineTextLength(bytes, from));
  lyrics.lineTime[slot] = tenths;
}

// True when the tag index holds every tag of the content with its offset,
// as BuildTagIndex leaves it.
bool HasIndexedOffsets(const LyricState& lyrics) {
  return lyrics.tagIndex && lyrics.tagOffset && lyrics.tagCount > 0 &&
         lyrics.tagCount <= TagIndexCapacity(lyrics);
}

// Index of the first entry from `from` on that is at or after `start`; -1 if none.
std::int32_t NextTagFrom(const std::int32_t* index, std::int32_t from, std::int32_t count,
                         std::int32_t start) {
  const std::int32_t found = FirstMatch(index + from, count - from,
                                        [start](std::int32_t e) { return AllOnesIf(e >= start); });
  return found < 0 ? -1 : from + found;
}

// The window from the tag index: the tags' times pick the lines and their
// offsets lead to the texts, so only the chosen lines' bytes are read.
std::int32_t FillFromIndex(LyricState& lyrics, LyricBytes bytes, std::int32_t start) {
  const std::int32_t* index = lyrics.tagIndex.get();
  const std::int32_t* offsets = lyrics.tagOffset.get();
  std::int32_t count = 0;
  for (std::int32_t at = NextTagFrom(index, 0, lyrics.tagCount, start);
       at >= 0 && count < kLyricWindowSlots; at = NextTagFrom(index, at + 1, lyrics.tagCount, start)) {
    PutLine(lyrics, count++, bytes, static_cast<std::size_t>(offsets[at]), index[at]);
  }
  return count;
}

// The window read from the file's bytes, for a record without an index.
std::int32_t FillFromBytes(LyricState& lyrics, LyricBytes bytes, std::int32_t start) {
  std::int32_t count = 0;
  ForEachTimeTag(bytes, [&](std::size_t offset, std::int32_t tenths) {
    if (tenths < start) {
      return true;
    }
    PutLine(lyrics, count, bytes, offset, tenths);
    return ++count < kLyricWindowSlots;
  });
  return count;
}

}  // namespace

void FillLyricWindow(LyricState& lyrics, std::int32_t start) {
  lyrics.lineCount = 0;
  std::memset(lyrics.lineText, 0, sizeof(lyrics.lineText));
  const LyricBytes bytes = ContentOf(lyrics);
  // File order, not time order: the first 20 tags at or after start.
  lyrics.lineCount = HasIndexedOffsets(lyrics) ? FillFromIndex(lyrics, bytes, start)
                                               : FillFromBytes(lyrics, bytes, start);
}

bool LyricTick(LyricState& lyrics, double position, int lyricRows, Shell& shell) {
  const std::int32_t now = SecondsToTenths(position);
  const std::int32_t count = std::min(lyrics.tagCount, TagIndexCapacity(lyrics));
  if (count <= 0 || !lyrics.tagIndex) {
    return false;
  }
  const std::int32_t taken = FindPassedTag(lyrics.tagIndex.get(), count, lyrics.lastTagTime, now);
  if (taken < 0) {
    return false;
  }
  lyrics.lastTagTime = lyrics.tagIndex[taken];
  lyrics.headerShown = 0;

  // The highlight may stand in rows 0 to R - 4. Slots past lineCount are
  // compared too; they keep the times of an earlier fill.
  const int rows = std::clamp(lyricRows, kFewestLyricRows, kLyricWindowSlots);
  const std::int32_t* times = lyrics.lineTime;
  for (int slot = 0; slot < rows - kRowsKeptBelowHighlight; ++slot) {
    if (now == times[slot] || (times[slot] < now && now < times[slot + 1])) {
      lyrics.currentLine = slot;
      shell.InvalidateMainWindow();
      return true;
    }
  }

  // The line would fall into the last rows or is not in the window: turn the
  // page so it begins at the position. The new page shows at the next paint.
  FillLyricWindow(lyrics, TenthsBefore(now, kRefillLead));
  lyrics.currentLine = 0;
  return false;
}

void ResyncLyrics(LyricState& lyrics, bool lyricsPresent, std::int32_t target) {
  if (!lyricsPresent) {
    return;
  }
  FillLyricWindow(lyrics, TenthsBefore(target, kRefillLead));
  lyrics.currentLine = 0;
}

}  // namespace solvane
