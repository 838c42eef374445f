#pragma once
// Loading a track's lyric file and turning its bytes into the header fields,
// the tag index and the lyric window; the tick that picks the current line.

#include <cstdint>
#include <string_view>

#include "base/shell.h"
#include "lyrics/embedded_lyrics.h"
#include "lyrics/legacy_text_decoder.h"
#include "lyrics/lyric_state.h"

namespace solvane {

// Reads the lyric file of the track at `trackPath` (the path with the ending
// after the last dot of its name replaced by "LRC"; else a file in the same folder whose name
// equals that regardless of case) whole into `content`. False when there is
// none, it is larger than 1,000,000 bytes, or it cannot be read. The bytes are
// turned into UTF-8 (see lyric_decoding.h); those in no encoding recognised
// without it go to `legacy`, or are kept as read when there is none.
// Without such a file, the timed lyrics that `embedded` finds in the media
// file's own tags are read as if they were it. A file, or tagged text, with
// no ten-byte time tag is first brought into that form (see lrc_shapes.h).
bool LoadLyricFile(LyricState& lyrics, std::u16string_view trackPath,
                   const LegacyTextDecoder* legacy = nullptr,
                   const EmbeddedLyricsReader* embedded = nullptr);

void ParseHeaderTags(LyricState& lyrics);
void BuildTagIndex(LyricState& lyrics);
void FillLyricWindow(LyricState& lyrics, std::int32_t start);

// Rows below the highlight that stay free before the page turns: the
// highlight stands in rows 0 to R - 4, and a line that would stand lower
// starts the next page.
inline constexpr int kRowsKeptBelowHighlight = 3;

// `position` is the play position in seconds; `lyricRows` is 9 or 12. Asks the
// shell to repaint and returns true when it chose a line.
bool LyricTick(LyricState& lyrics, double position, int lyricRows, Shell& shell);

// After a seek to `target` tenths: refills the window from target - 2 when the
// track has lyrics.
void ResyncLyrics(LyricState& lyrics, bool lyricsPresent, std::int32_t target);

}  // namespace solvane
