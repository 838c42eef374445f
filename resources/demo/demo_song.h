#pragma once
// The demo song that a first run plays: a short melody over a simple
// accompaniment, and the words that go with it, written from one score so the
// lyric times always match the music.

#include <cstdint>
#include <string>
#include <vector>

namespace solvane::demo {

// A standard MIDI file (format 0) of the song, about 36 seconds long.
std::vector<std::uint8_t> DemoSongMidi();

// The song's LRC file: title, artist and album tags, then one timed line per
// bar of singing.
std::string DemoSongLyrics();

// Time in hundredths of a second at which lyric line `line` (from 0) starts.
int LyricLineStart(int line);

// The number of lyric lines.
int LyricLineCount();

}  // namespace solvane::demo
