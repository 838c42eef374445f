#pragma once
// Where a track's lyric file is: the track path with the ending after the last
// dot of its file name replaced by "LRC", found exactly or, on this case-sensitive file system,
// under a name that equals it regardless of case.

#include <optional>
#include <string>
#include <string_view>

namespace solvane {

// The lyric path of a track: "song.flac" and "song.mp3" both have "song.LRC",
// and a file name without a dot gets ".LRC" added. Nothing for a path that
// cannot name a lyric file: an empty one, one ending in "/", one longer than
// a track path field holds, or one with a NUL inside (it would name a shorter
// path at the file system).
std::optional<std::u16string> LyricPathFor(std::u16string_view trackPath);

// The file system (UTF-8) path of the regular file named `lyricPath`, else of
// the regular file in its folder whose name equals its name regardless of case
// (the byte-wise smallest such name when there are several). Nothing when
// neither exists or the path has no UTF-8 form; a name that cannot round-trip
// never stands for another file.
std::optional<std::string> LocateLyricFile(std::u16string_view lyricPath);

}  // namespace solvane
