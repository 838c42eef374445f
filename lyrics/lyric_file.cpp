// Reading a track's lyric file whole into memory. Nothing is parsed here; the
// bytes are kept exactly as read.

#include <cstdio>
#include <memory>
#include <new>

#include "base/regular_file.h"
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
  lyrics.size = 0;
  lyrics.tagCount = 0;
}

}  // namespace

bool LoadLyricFile(LyricState& lyrics, std::u16string_view trackPath) {
  const std::optional<std::u16string> lyricPath = LyricPathFor(trackPath);
  if (!lyricPath) {
    return false;
  }
  const std::optional<std::string> located = LocateLyricFile(*lyricPath);
  if (!located) {
    return false;
  }
  // Closed on every way out of this function. Should the name have become a
  // FIFO or a device since it was located, it is refused rather than waited on.
  const OpenFile file(OpenRegularFileStream(*located));
  if (!file) {
    return false;
  }
  const long fileSize = FileSize(file.get());
  if (fileSize < 0 || fileSize > kMaxLyricFileSize) {
    return false;
  }
  const auto size = static_cast<std::int32_t>(fileSize);

  // The previous file's storage goes before the new one is taken, so loading
  // one track after another never holds two files at once.
  ReleaseLyricFile(lyrics);
  const auto byteCount = static_cast<std::size_t>(size);
  std::unique_ptr<std::uint8_t[]> content(new (std::nothrow) std::uint8_t[byteCount]);
  std::unique_ptr<std::int32_t[]> tagIndex(
      new (std::nothrow) std::int32_t[byteCount / kTimeTagLength]);
  if (!content || !tagIndex) {
    return false;
  }
  if (std::fread(content.get(), 1, byteCount, file.get()) != byteCount) {
    return false;
  }
  lyrics.content = std::move(content);
  lyrics.tagIndex = std::move(tagIndex);
  lyrics.size = size;
  return true;
}

}  // namespace solvane
