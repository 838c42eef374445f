#pragma once
// The seam through which the lyrics a media file carries in its own tags
// (LRC text or synchronised lyrics) reach the lyric loader when the track
// has no lyric file beside it. The tag reading lives with the engine's tag
// code; this core only sees the bytes.

#include <optional>
#include <string>

namespace solvane {

class EmbeddedLyricsReader {
 public:
  virtual ~EmbeddedLyricsReader() = default;
  // The lyric text in the tags of the media file at `utf8Path`, as bytes
  // that the loader decodes as it decodes a lyric file: LRC text as stored,
  // synchronised lyrics written out as LRC lines. Nothing when the file
  // carries none or cannot be read.
  virtual std::optional<std::string> TaggedLyrics(const std::string& utf8Path) const = 0;
};

}  // namespace solvane
