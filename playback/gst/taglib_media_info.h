#pragma once
// Reads a media file's tags and audio properties with TagLib, which knows
// things the engine learns late or never (an MP3's bit rate before playback,
// the encoder of a WMA file).

#include <optional>
#include <string>

#include "playback/gst/track_tags.h"

namespace TagLib {
class FileRef;
}

namespace solvane {

// The media file at `utf8Path` opened with TagLib; a null reference when it
// is not a regular file or TagLib cannot read it.
TagLib::FileRef OpenTaglibFile(const std::string& utf8Path, bool readAudioProperties);

// Title, artist, album, encoded-by, bit rate (bits per second) and duration
// of the file at `utf8Path`; nothing when TagLib cannot read the file. For an
// MPEG stream without a Xing or VBRI header the duration and the (average)
// bit rate are measured from its frames, and durationFromFrames is set.
std::optional<TrackTags> ReadTaglibMediaInfo(const std::string& utf8Path);

}  // namespace solvane
