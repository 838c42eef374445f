#include "playback/gst/taglib_media_info.h"

#include <taglib/audioproperties.h>
#include <taglib/fileref.h>
#include <taglib/tag.h>
#include <taglib/tpropertymap.h>

#include "app/shared/wide_text.h"

namespace solvane {

namespace {

std::u16string ToWide(const TagLib::String& text) {
  return Utf8ToWide(text.to8Bit(true)).value_or(u"");
}

// The encoder is not part of TagLib's basic tag; each format names it in its
// property map: ID3v2 TENC and ASF "WM/EncodedBy" as ENCODEDBY, some Vorbis
// comments as ENCODED-BY.
std::u16string EncodedBy(const TagLib::PropertyMap& properties) {
  for (const char* key : {"ENCODEDBY", "ENCODED-BY", "WM/ENCODEDBY"}) {
    const auto found = properties.find(key);
    if (found != properties.end() && !found->second.isEmpty()) {
      return ToWide(found->second.front());
    }
  }
  return {};
}

}  // namespace

std::optional<TrackTags> ReadTaglibMediaInfo(const std::string& utf8Path) {
  const TagLib::FileRef file(utf8Path.c_str(), true, TagLib::AudioProperties::Average);
  if (file.isNull()) {
    return std::nullopt;
  }
  TrackTags tags;
  if (const TagLib::Tag* tag = file.tag()) {
    tags.title = ToWide(tag->title());
    tags.author = ToWide(tag->artist());
    tags.album = ToWide(tag->album());
  }
  tags.encodedBy = EncodedBy(file.file()->properties());
  if (const TagLib::AudioProperties* audio = file.audioProperties()) {
    tags.bitsPerSecond = static_cast<std::int64_t>(audio->bitrate()) * 1000;
    tags.durationSeconds = audio->lengthInMilliseconds() / 1000.0;
  }
  return tags;
}

}  // namespace solvane
