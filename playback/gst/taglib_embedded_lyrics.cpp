#include "playback/gst/taglib_embedded_lyrics.h"

#include <taglib/fileref.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/synchronizedlyricsframe.h>
#include <taglib/tpropertymap.h>
#include <taglib/unsynchronizedlyricsframe.h>

#include <cstdint>
#include <cstdio>

#include "playback/gst/taglib_media_info.h"

namespace solvane {

namespace {

using TagLib::ID3v2::SynchronizedLyricsFrame;
using TagLib::ID3v2::UnsynchronizedLyricsFrame;

// The bytes of an ID3v2 text as the tag holds them. A frame marked Latin-1
// often holds text in the tagger's legacy encoding (GBK, Shift-JIS, ...):
// its bytes go to the loader's decoding as a lyric file's would, rather than
// being read as Latin-1 here. Frames in UTF-8 or UTF-16 are UTF-8.
std::string FrameBytes(const TagLib::String& text, TagLib::String::Type encoding) {
  return text.to8Bit(encoding != TagLib::String::Latin1);
}

// "[m:ss.mmm]", which the loader brings into the ten-byte form like any
// file of today's shapes.
std::string LrcTimeTag(std::uint32_t milliseconds) {
  char tag[32];
  std::snprintf(tag, sizeof(tag), "[%u:%02u.%03u]", milliseconds / 60000, milliseconds / 1000 % 60,
                milliseconds % 1000);
  return tag;
}

// A SYLT frame's lines as LRC text. Frames timed in MPEG frames rather than
// milliseconds cannot be placed without the stream's frame length and are
// passed over.
std::optional<std::string> SynchronisedLyrics(const SynchronizedLyricsFrame& frame) {
  if (frame.timestampFormat() != SynchronizedLyricsFrame::AbsoluteMilliseconds ||
      frame.synchedText().isEmpty()) {
    return std::nullopt;
  }
  std::string lrc;
  for (const SynchronizedLyricsFrame::SynchedText& line : frame.synchedText()) {
    std::string text = FrameBytes(line.text, frame.textEncoding());
    // An entry often starts with the line break that separates it from the
    // one before; a line of LRC text has none inside.
    for (char& byte : text) {
      if (byte == '\n' || byte == '\r') {
        byte = ' ';
      }
    }
    const std::size_t first = text.find_first_not_of(' ');
    lrc += LrcTimeTag(line.time) + (first == std::string::npos ? std::string() : text.substr(first)) + "\n";
  }
  return lrc;
}

std::optional<std::string> Id3v2Lyrics(TagLib::ID3v2::Tag& tag) {
  for (const TagLib::ID3v2::Frame* frame : tag.frameList("SYLT")) {
    if (const auto* synchronised = dynamic_cast<const SynchronizedLyricsFrame*>(frame)) {
      if (std::optional<std::string> lrc = SynchronisedLyrics(*synchronised)) {
        return lrc;
      }
    }
  }
  for (const TagLib::ID3v2::Frame* frame : tag.frameList("USLT")) {
    if (const auto* lyrics = dynamic_cast<const UnsynchronizedLyricsFrame*>(frame)) {
      if (!lyrics->text().isEmpty()) {
        return FrameBytes(lyrics->text(), lyrics->textEncoding());
      }
    }
  }
  return std::nullopt;
}

// Vorbis comments, MP4 and APE tags name their lyrics LYRICS in TagLib's
// property map; some taggers write UNSYNCEDLYRICS.
std::optional<std::string> PropertyLyrics(const TagLib::PropertyMap& properties) {
  for (const char* key : {"LYRICS", "UNSYNCEDLYRICS"}) {
    const auto found = properties.find(key);
    if (found != properties.end() && !found->second.isEmpty() && !found->second.front().isEmpty()) {
      return found->second.front().to8Bit(true);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> TaglibEmbeddedLyrics::TaggedLyrics(const std::string& utf8Path) const {
  const std::unique_ptr<TaglibMediaFile> file = OpenTaglibFile(utf8Path, false);
  if (file == nullptr) {
    return std::nullopt;
  }
  auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file->File());
  if (mpeg != nullptr && mpeg->hasID3v2Tag()) {
    if (std::optional<std::string> lyrics = Id3v2Lyrics(*mpeg->ID3v2Tag())) {
      return lyrics;
    }
  }
  return PropertyLyrics(file->File()->properties());
}

}  // namespace solvane
