#pragma once
// The lyrics a media file carries in its own tags, read with TagLib: ID3v2
// synchronised lyrics (SYLT, written out as LRC lines from their time
// stamps) or unsynchronised lyrics (USLT), and the LYRICS field of Vorbis
// comments (Ogg, FLAC), MP4 and APE tags.

#include "lyrics/embedded_lyrics.h"

namespace solvane {

class TaglibEmbeddedLyrics : public EmbeddedLyricsReader {
 public:
  std::optional<std::string> TaggedLyrics(const std::string& utf8Path) const override;
};

}  // namespace solvane
