#pragma once
// The loaded lyric file and what is parsed from it: the header fields, the
// index of every time tag (its time and where it stands) and the lyric window
// of 20 lines with their times. The content is the file's text as UTF-8; line
// texts are cut from it byte for byte and converted only for display.

#include <cstdint>
#include <memory>

namespace solvane {

inline constexpr std::int32_t kMaxLyricFileSize = 1'000'000;
inline constexpr int kLyricWindowSlots = 20;
inline constexpr int kLyricTextField = 130;  // 129 bytes and a terminator

struct LyricState {
  // The file's text as UTF-8 (bytes as read when they already were, or when
  // no decoder was given); not zero-terminated.
  std::unique_ptr<std::uint8_t[]> content;
  std::int32_t size = 0;
  // Room for size / 10 tag times: a time tag takes ten bytes, and two tags
  // never share one (only the hundredths byte could be a "[", and the byte
  // after it is the first tag's "]", not a digit), so the room always holds
  // every tag of the file.
  std::unique_ptr<std::int32_t[]> tagIndex;
  // Beside each indexed time, as much room again for where its tag starts in
  // `content`, so a window fill goes straight to its lines. A record without
  // it has its windows filled by reading the file.
  std::unique_ptr<std::int32_t[]> tagOffset;
  std::int32_t tagCount = 0;

  char artist[kLyricTextField] = {};
  char title[kLyricTextField] = {};
  char album[kLyricTextField] = {};

  char lineText[kLyricWindowSlots][kLyricTextField] = {};
  std::int32_t lineTime[kLyricWindowSlots] = {};
  std::int32_t lineCount = 0;

  std::int32_t currentLine = 0;
  std::int32_t lastTagTime = 0;
  std::int32_t headerShown = 0;
};

}  // namespace solvane
