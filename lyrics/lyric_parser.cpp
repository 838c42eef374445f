// The header fields and the tag index (each tag's time and, where there is
// room for it, its offset), both built once per loaded file.

#include <cstring>

#include "lyrics/lyric_content.h"
#include "lyrics/lyrics.h"

namespace solvane {

namespace {

using TextField = char[kLyricTextField];

// A header key is two letters and a colon; the byte in front of it (normally
// "[") is not looked at, so a key counts wherever its three characters stand.
struct HeaderKey {
  std::uint8_t first;
  std::uint8_t second;
  TextField LyricState::*field;
};

constexpr HeaderKey kHeaderKeys[] = {
    {'a', 'r', &LyricState::artist},
    {'t', 'i', &LyricState::title},
    {'a', 'l', &LyricState::album},
};
constexpr std::size_t kHeaderKeyCount = sizeof(kHeaderKeys) / sizeof(kHeaderKeys[0]);

// Keys are looked for from the file's second byte on, so the first colon that
// can close one is at offset 3.
constexpr std::size_t kFirstKeyColon = 3;

}  // namespace

void ParseHeaderTags(LyricState& lyrics) {
  for (const HeaderKey& key : kHeaderKeys) {
    std::memset(lyrics.*key.field, 0, kLyricTextField);
  }
  const LyricBytes bytes = ContentOf(lyrics);

  // Every non-empty value replaces the field's whole content, so only the
  // last non-empty value of each key matters: remember where it starts.
  bool found[kHeaderKeyCount] = {};
  std::size_t valueStart[kHeaderKeyCount] = {};
  std::size_t offset = kFirstKeyColon;
  while (offset < bytes.size) {
    const void* colon = std::memchr(bytes.data + offset, ':', bytes.size - offset);
    if (colon == nullptr) {
      break;
    }
    const auto at = static_cast<std::size_t>(static_cast<const std::uint8_t*>(colon) - bytes.data);
    const std::size_t value = at + 1;
    const bool empty = value == bytes.size || bytes.data[value] == ']';
    for (std::size_t k = 0; k < kHeaderKeyCount && !empty; ++k) {
      if (bytes.data[at - 2] == kHeaderKeys[k].first && bytes.data[at - 1] == kHeaderKeys[k].second) {
        found[k] = true;
        valueStart[k] = value;
      }
    }
    offset = value;
  }

  for (std::size_t k = 0; k < kHeaderKeyCount; ++k) {
    if (found[k]) {
      // The value runs to the next "]" wherever it is, line ends included.
      CopyText(lyrics.*kHeaderKeys[k].field, bytes, valueStart[k],
               RunLength(bytes, valueStart[k], ']'));
    }
  }
}

void BuildTagIndex(LyricState& lyrics) {
  lyrics.tagCount = 0;
  const std::int32_t capacity = TagIndexCapacity(lyrics);
  if (!lyrics.tagIndex || capacity == 0) {
    return;
  }
  std::int32_t* index = lyrics.tagIndex.get();
  std::int32_t* offsets = lyrics.tagOffset.get();
  std::int32_t count = 0;
  // An offset is below the size, which is an int32.
  ForEachTimeTag(ContentOf(lyrics), [&](std::size_t offset, std::int32_t tenths) {
    if (offsets != nullptr) {
      offsets[count] = static_cast<std::int32_t>(offset);
    }
    index[count++] = tenths;
    return count < capacity;
  });
  lyrics.tagCount = count;
}

}  // namespace solvane
