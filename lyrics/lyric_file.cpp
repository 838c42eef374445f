// Reading a track's lyric file (or, without one, the lyrics in its tags)
// whole into memory and turning it into UTF-8 in the ten-byte form. Nothing
// is parsed here; valid UTF-8 with ten-byte tags is kept exactly as read.

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "base/regular_file.h"
#include "base/wide_text.h"
#include "lyrics/lrc_shapes.h"
#include "lyrics/lyric_decoding.h"
#include "lyrics/lyric_path.h"
#include "lyrics/lyrics.h"
#include "lyrics/time_tag.h"

namespace solvane {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using OpenFile = std::unique_ptr<std::FILE, FileCloser>;

// The size found by moving to the end and reading the position; the file is
// left at its start. -1 when the file cannot be positioned.
long FileSize(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) {
    return -1;
  }
  const long size = std::ftell(file);
  if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0) {
    return -1;
  }
  return size;
}

// Drops the previous file and everything that points into its storage, so a
// failed load never leaves a tag count larger than the new storage.
void ReleaseLyricFile(LyricState& lyrics) {
  lyrics.content.reset();
  lyrics.tagIndex.reset();
  lyrics.tagOffset.reset();
  lyrics.size = 0;
  lyrics.tagCount = 0;
}

// Brings `content` (`byteCount` bytes as read) to UTF-8 in place where it
// already is, or into new storage. False when that storage cannot be had.
bool ConvertToUtf8(std::unique_ptr<std::uint8_t[]>& content, std::size_t& byteCount,
                   const LegacyTextDecoder* legacy) {
  Utf8Reading reading =
      ReadAsUtf8(std::string_view(reinterpret_cast<const char*>(content.get()), byteCount), legacy);
  if (!reading.converted) {
    if (reading.keepFrom > 0) {
      byteCount -= reading.keepFrom;
      std::memmove(content.get(), content.get() + reading.keepFrom, byteCount);
    }
    return true;
  }
  const std::string& text = *reading.converted;
  content.reset(new (std::nothrow) std::uint8_t[text.size()]);
  if (!content) {
    return false;
  }
  std::memcpy(content.get(), text.data(), text.size());
  byteCount = text.size();
  return true;
}

// Brings UTF-8 `content` into the form the parser reads: lines ended at lone
// CRs, and a file without a ten-byte time tag in that form. False when new
// storage cannot be had.
bool ConvertToTenByteForm(std::unique_ptr<std::uint8_t[]>& content, std::size_t& byteCount) {
  EndLinesAtLoneCarriageReturns(content.get(), byteCount);
  const std::string_view text(reinterpret_cast<const char*>(content.get()), byteCount);
  if (HasTenByteTimeTag(text)) {
    return true;
  }
  const std::string converted = ToTenByteForm(text);
  content.reset(new (std::nothrow) std::uint8_t[converted.size()]);
  if (!content) {
    return false;
  }
  std::memcpy(content.get(), converted.data(), converted.size());
  byteCount = converted.size();
  return true;
}

// Makes `content` (`byteCount` bytes as read) the loaded lyric text, with
// room for its tag index. With `timedOnly`, text without any time tag is not
// taken.
bool TakeLyricText(LyricState& lyrics, std::unique_ptr<std::uint8_t[]> content, std::size_t byteCount,
                   const LegacyTextDecoder* legacy, bool timedOnly) {
  if (!ConvertToUtf8(content, byteCount, legacy) || !ConvertToTenByteForm(content, byteCount)) {
    return false;
  }
  if (timedOnly &&
      !HasTenByteTimeTag(std::string_view(reinterpret_cast<const char*>(content.get()), byteCount))) {
    return false;
  }
  // Room for one tag per ten bytes; only the entries the file's tags fill
  // are ever written.
  const std::size_t tagRoom = byteCount / kTimeTagLength;
  std::unique_ptr<std::int32_t[]> tagIndex(new (std::nothrow) std::int32_t[tagRoom]);
  std::unique_ptr<std::int32_t[]> tagOffset(new (std::nothrow) std::int32_t[tagRoom]);
  if (!tagIndex || !tagOffset) {
    return false;
  }
  lyrics.content = std::move(content);
  lyrics.tagIndex = std::move(tagIndex);
  lyrics.tagOffset = std::move(tagOffset);
  lyrics.size = static_cast<std::int32_t>(byteCount);
  return true;
}

bool LoadFromFile(LyricState& lyrics, const std::string& located, const LegacyTextDecoder* legacy) {
  // Closed on every way out of this function. Should the name have become a
  // FIFO or a device since it was located, it is refused rather than waited on.
  const OpenFile file(OpenRegularFileStream(located));
  if (!file) {
    return false;
  }
  // The limit counts the file's own bytes, whatever their text takes as UTF-8.
  const long fileSize = FileSize(file.get());
  if (fileSize < 0 || fileSize > kMaxLyricFileSize) {
    return false;
  }

  // The previous file's storage goes before the new one is taken, so loading
  // one track after another never holds two files at once.
  ReleaseLyricFile(lyrics);
  const auto byteCount = static_cast<std::size_t>(fileSize);
  std::unique_ptr<std::uint8_t[]> content(new (std::nothrow) std::uint8_t[byteCount]);
  if (!content || std::fread(content.get(), 1, byteCount, file.get()) != byteCount) {
    return false;
  }
  return TakeLyricText(lyrics, std::move(content), byteCount, legacy, false);
}

// The timed lyrics in the track's own tags, read as if they were its lyric
// file; untimed text is not a lyric file.
bool LoadFromTags(LyricState& lyrics, std::u16string_view trackPath, const LegacyTextDecoder* legacy,
                  const EmbeddedLyricsReader& embedded) {
  const std::optional<std::string> path = WideToUtf8(trackPath);
  if (!path) {
    return false;
  }
  std::optional<std::string> tagged = embedded.TaggedLyrics(*path);
  if (!tagged || tagged->size() > static_cast<std::size_t>(kMaxLyricFileSize)) {
    return false;
  }
  ReleaseLyricFile(lyrics);
  const std::size_t byteCount = tagged->size();
  std::unique_ptr<std::uint8_t[]> content(new (std::nothrow) std::uint8_t[byteCount]);
  if (!content) {
    return false;
  }
  if (byteCount > 0) {
    std::memcpy(content.get(), tagged->data(), byteCount);
  }
  tagged.reset();
  return TakeLyricText(lyrics, std::move(content), byteCount, legacy, true);
}

}  // namespace

bool LoadLyricFile(LyricState& lyrics, std::u16string_view trackPath, const LegacyTextDecoder* legacy,
                   const EmbeddedLyricsReader* embedded) {
  const std::optional<std::u16string> lyricPath = LyricPathFor(trackPath);
  if (!lyricPath) {
    return false;
  }
  if (const std::optional<std::string> located = LocateLyricFile(*lyricPath)) {
    return LoadFromFile(lyrics, *located, legacy);
  }
  return embedded != nullptr && LoadFromTags(lyrics, trackPath, legacy, *embedded);
}

}  // namespace solvane
