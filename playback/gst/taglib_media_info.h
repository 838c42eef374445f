#pragma once
// Reads a media file's tags and audio properties with TagLib, which knows
// things the engine learns late or never (an MP3's bit rate before playback,
// the encoder of a WMA file).

#include <taglib/audioproperties.h>
#include <taglib/fileref.h>
#include <taglib/tiostream.h>

#include <memory>
#include <optional>
#include <string>

#include "playback/gst/track_tags.h"

namespace solvane {

// A media file open for TagLib through a descriptor of its own, so that what
// TagLib reads is the regular file that was checked, and nothing waits in an
// open() on a FIFO or a device put in the file's place. The file's own name
// still tells TagLib its format by the ending.
class TaglibMediaFile {
 public:
  TaglibMediaFile(std::unique_ptr<TagLib::IOStream> stream, bool readAudioProperties);
  TaglibMediaFile(const TaglibMediaFile&) = delete;
  TaglibMediaFile& operator=(const TaglibMediaFile&) = delete;

  // TagLib's reading of the file; null when TagLib knows no such format.
  TagLib::File* File() const { return ref_.file(); }
  const TagLib::FileRef& Ref() const { return ref_; }

 private:
  std::unique_ptr<TagLib::IOStream> stream_;  // outlives ref_, which reads from it
  TagLib::FileRef ref_;
};

// Opens the regular file at `utf8Path` once, without waiting, for TagLib;
// nothing when it is not a regular file (links followed), cannot be opened or
// is of no format TagLib reads.
std::unique_ptr<TaglibMediaFile> OpenTaglibFile(const std::string& utf8Path,
                                                bool readAudioProperties);

// The same for the file the caller has open at `fd` (and keeps), opened
// again through the descriptor, never through `utf8Path`, which only names
// the file for TagLib.
std::unique_ptr<TaglibMediaFile> OpenTaglibFile(int fd, const std::string& utf8Path,
                                                bool readAudioProperties);

// Title, artist, album, encoded-by, bit rate (bits per second) and duration
// of the file at `utf8Path`; nothing when TagLib cannot read the file. For an
// MPEG stream without a Xing or VBRI header the duration and the (average)
// bit rate are measured from its frames, and durationFromFrames is set.
std::optional<TrackTags> ReadTaglibMediaInfo(const std::string& utf8Path);

// The same for the file the caller has open at `fd`, named `utf8Path`.
std::optional<TrackTags> ReadTaglibMediaInfo(int fd, const std::string& utf8Path);

}  // namespace solvane
