#include "playback/gst/taglib_media_info.h"

#include <taglib/audioproperties.h>
#include <taglib/fileref.h>
#include <taglib/mpegfile.h>
#include <taglib/mpegproperties.h>
#include <taglib/tag.h>
#include <taglib/tpropertymap.h>
#include <taglib/wavproperties.h>
// Needs TagLib's base headers above it.
#include <taglib/aiffproperties.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/regular_file.h"
#include "base/wide_text.h"
#include "playback/gst/mpeg_frames.h"

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

// Uncompressed samples carry their exact bit rate in their layout; TagLib
// gives whole kbit/s, rounded (352,800 bit/s would read as 353,000). Nothing
// for compressed audio, whose rate TagLib's header figure already is.
std::optional<std::int64_t> UncompressedBitsPerSecond(const TagLib::AudioProperties& audio) {
  bool uncompressed = false;
  int bitsPerSample = 0;
  if (const auto* wav = dynamic_cast<const TagLib::RIFF::WAV::Properties*>(&audio)) {
    constexpr int kPcm = 1;
    constexpr int kFloat = 3;
    uncompressed = wav->format() == kPcm || wav->format() == kFloat;
    bitsPerSample = wav->bitsPerSample();
  } else if (const auto* aiff = dynamic_cast<const TagLib::RIFF::AIFF::Properties*>(&audio)) {
    const TagLib::ByteVector compression = aiff->compressionType();
    uncompressed = !aiff->isAiffC() || compression == "NONE" || compression == "sowt" ||
                   compression == "twos" || compression == "fl32" || compression == "fl64";
    bitsPerSample = aiff->bitsPerSample();
  }
  if (!uncompressed || audio.sampleRate() <= 0 || audio.channels() <= 0 || bitsPerSample <= 0) {
    return std::nullopt;
  }
  return std::int64_t{audio.sampleRate()} * audio.channels() * bitsPerSample;
}

// For an MPEG stream without a Xing or VBRI header TagLib works out the length
// as if every frame had the bit rate of the first, which for a variable bit
// rate stream can be several times off (a 4 s stream whose first frame is
// large reads as 0.6 s). Such a stream is measured from its own frames
// instead; nothing for every other file.
std::optional<MpegStreamLength> MeasureHeaderlessMpeg(TagLib::File* file) {
  auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file);
  if (mpeg == nullptr || mpeg->audioProperties() == nullptr ||
      mpeg->audioProperties()->xingHeader() != nullptr) {
    return std::nullopt;
  }
  const long first = mpeg->firstFrameOffset();
  const long last = mpeg->lastFrameOffset();
  if (first < 0 || last < first) {
    return std::nullopt;
  }
  const long fileLength = mpeg->length();
  const ReadFileBytes read = [mpeg, fileLength](std::int64_t offset, std::int64_t length) {
    const std::int64_t available = std::clamp<std::int64_t>(fileLength - offset, 0, length);
    mpeg->seek(static_cast<long>(offset));
    const TagLib::ByteVector block = mpeg->readBlock(static_cast<unsigned long>(available));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(block.data());
    return std::vector<std::uint8_t>(bytes, bytes + block.size());
  };
  // The stream ends with its last frame, before any tag that follows it.
  const std::optional<MpegFrameHeader> lastFrame = ParseMpegFrameHeader(read(last, 4));
  const std::int64_t end = lastFrame ? std::min<std::int64_t>(last + lastFrame->frameBytes, fileLength)
                                     : fileLength;
  return MeasureMpegStream(first, end, read);
}

}  // namespace

TagLib::FileRef OpenTaglibFile(const std::string& utf8Path, bool readAudioProperties) {
  // TagLib opens the file with a blocking open(), which a FIFO would hold.
  if (!IsRegularFile(utf8Path)) {
    return {};
  }
  return TagLib::FileRef(utf8Path.c_str(), readAudioProperties, TagLib::AudioProperties::Average);
}

std::optional<TrackTags> ReadTaglibMediaInfo(const std::string& utf8Path) {
  const TagLib::FileRef file = OpenTaglibFile(utf8Path, true);
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
    tags.bitsPerSecond = UncompressedBitsPerSecond(*audio).value_or(
        static_cast<std::int64_t>(audio->bitrate()) * 1000);
    tags.durationSeconds = audio->lengthInMilliseconds() / 1000.0;
  }
  if (const std::optional<MpegStreamLength> measured = MeasureHeaderlessMpeg(file.file())) {
    tags.durationSeconds = measured->seconds;
    tags.bitsPerSecond = measured->bitsPerSecond;
    tags.durationFromFrames = true;
  }
  return tags;
}

}  // namespace solvane
