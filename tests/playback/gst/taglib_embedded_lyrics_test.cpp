// Lyrics in a media file's own tags light the track's lines when no lyric
// file lies beside it. The tags are written here with TagLib into an MP3
// fixture and into a FLAC file made of its header alone.

#include "playback/gst/taglib_embedded_lyrics.h"

#include <gtest/gtest.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/synchronizedlyricsframe.h>
#include <taglib/unsynchronizedlyricsframe.h>
#include <taglib/xiphcomment.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "lyrics/icu_legacy_decoder.h"
#include "lyrics/lyrics.h"
#include "tests/playback/gst/test_media.h"

namespace solvane {
namespace {

using testing::EnginePath;
using testing::MediaFixture;
using testing::TempFolder;
using testing::WriteText;

using Lines = std::vector<std::pair<std::int32_t, std::string>>;

// A FLAC stream of its marker and a STREAMINFO block (44.1 kHz, mono,
// 16 bits, no samples) and no audio frames: enough for TagLib to tag.
std::string FlacHeaderOnly() {
  std::string bytes = "fLaC";
  bytes += std::string("\x80\x00\x00\x22", 4);               // last block, STREAMINFO, 34 bytes
  bytes += std::string("\x10\x00\x10\x00", 4);               // block sizes 4096
  bytes += std::string(6, '\0');                             // frame sizes unknown
  bytes += std::string("\x0A\xC4\x40\xF0\x00\x00\x00\x00", 8);  // 44100 Hz, 1 channel, 16 bits, 0 samples
  bytes += std::string(16, '\0');                            // no MD5 signature
  return bytes;
}

class TaggedLyrics : public ::testing::Test {
 protected:
  std::filesystem::path Mp3(const std::string& name) {
    const std::filesystem::path path = folder.File(name);
    std::filesystem::copy_file(MediaFixture("tagged.mp3"), path);
    return path;
  }

  // The lines the track start shows of `track`; nothing when it has no
  // lyrics.
  std::optional<Lines> Shown(const std::filesystem::path& track) {
    LyricState lyrics;
    if (!LoadLyricFile(lyrics, EnginePath(track), &decoder, &reader)) {
      return std::nullopt;
    }
    ParseHeaderTags(lyrics);
    BuildTagIndex(lyrics);
    FillLyricWindow(lyrics, 0);
    Lines lines;
    for (int slot = 0; slot < lyrics.lineCount; ++slot) {
      lines.emplace_back(lyrics.lineTime[slot], lyrics.lineText[slot]);
    }
    return lines;
  }

  TempFolder folder;
  TaglibEmbeddedLyrics reader;
  IcuLegacyDecoder decoder{"en_US.UTF-8"};
};

TEST_F(TaggedLyrics, SynchronisedLyricsOfAnMp3LightTheirLines) {
  const std::filesystem::path track = Mp3("sylt.mp3");
  {
    TagLib::MPEG::File file(track.c_str());
    auto* frame = new TagLib::ID3v2::SynchronizedLyricsFrame(TagLib::String::UTF8);
    frame->setTimestampFormat(TagLib::ID3v2::SynchronizedLyricsFrame::AbsoluteMilliseconds);
    TagLib::ID3v2::SynchronizedLyricsFrame::SynchedTextList lines;
    lines.append({1500, "First line"});
    lines.append({4250, "\nSecond line"});
    lines.append({65'400, TagLib::String("\nGr\u00FC\u00DFe", TagLib::String::UTF8)});
    frame->setSynchedText(lines);
    file.ID3v2Tag(true)->addFrame(frame);
    ASSERT_TRUE(file.save());
  }
  EXPECT_EQ(Shown(track), (Lines{{15, "First line"}, {42, "Second line"}, {654, "Gr\u00FC\u00DFe"}}));
}

TEST_F(TaggedLyrics, UnsynchronisedLyricsHoldingLrcTextLightTheirLines) {
  const std::filesystem::path track = Mp3("uslt.mp3");
  {
    TagLib::MPEG::File file(track.c_str());
    auto* frame = new TagLib::ID3v2::UnsynchronizedLyricsFrame(TagLib::String::UTF16);
    frame->setText("[ti:Harbour]\n[00:01.20]One\n[00:03.45]Two\n");
    file.ID3v2Tag(true)->addFrame(frame);
    ASSERT_TRUE(file.save());
  }
  EXPECT_EQ(Shown(track), (Lines{{12, "One"}, {34, "Two"}}));
}

TEST_F(TaggedLyrics, LatinOneFramesAreDecodedAsALyricFileIs) {
  // Taggers write GBK bytes into frames marked Latin-1.
  const std::filesystem::path track = Mp3("gbk.mp3");
  {
    TagLib::MPEG::File file(track.c_str());
    auto* frame = new TagLib::ID3v2::UnsynchronizedLyricsFrame(TagLib::String::Latin1);
    frame->setText(TagLib::String("[00:01.00]\xC4\xE3\xBA\xC3\n", TagLib::String::Latin1));
    file.ID3v2Tag(true)->addFrame(frame);
    ASSERT_TRUE(file.save());
  }
  const IcuLegacyDecoder chineseLocale("zh_CN.UTF-8");
  LyricState lyrics;
  ASSERT_TRUE(LoadLyricFile(lyrics, EnginePath(track), &chineseLocale, &reader));
  FillLyricWindow(lyrics, 0);
  EXPECT_STREQ(lyrics.lineText[0], "\u4F60\u597D");  // 你好
}

TEST_F(TaggedLyrics, LyricsOfAFlacFileLightTheirLines) {
  const std::filesystem::path track = folder.File("song.flac");
  WriteText(track, FlacHeaderOnly());
  {
    TagLib::FLAC::File file(track.c_str());
    ASSERT_TRUE(file.isValid());
    file.xiphComment(true)->addField("LYRICS", "[0:02.50]Tagged\r\n[0:05]Lines\r\n");
    ASSERT_TRUE(file.save());
  }
  EXPECT_EQ(Shown(track), (Lines{{25, "Tagged"}, {50, "Lines"}}));
}

TEST_F(TaggedLyrics, UntimedTextIsNotALyricFile) {
  const std::filesystem::path track = Mp3("plain.mp3");
  {
    TagLib::MPEG::File file(track.c_str());
    auto* frame = new TagLib::ID3v2::UnsynchronizedLyricsFrame(TagLib::String::UTF8);
    frame->setText("Words without any time\nand more words\n");
    file.ID3v2Tag(true)->addFrame(frame);
    ASSERT_TRUE(file.save());
  }
  EXPECT_EQ(Shown(track), std::nullopt);
  EXPECT_EQ(Shown(Mp3("untagged.mp3")), std::nullopt);
}

TEST_F(TaggedLyrics, ALyricFileBesideWinsOverTheTags) {
  const std::filesystem::path track = Mp3("both.mp3");
  {
    TagLib::MPEG::File file(track.c_str());
    auto* frame = new TagLib::ID3v2::UnsynchronizedLyricsFrame(TagLib::String::UTF8);
    frame->setText("[00:01.00]From the tags\n");
    file.ID3v2Tag(true)->addFrame(frame);
    ASSERT_TRUE(file.save());
  }
  WriteText(folder.File("both.lrc"), "[00:02.00]From the file\n");
  EXPECT_EQ(Shown(track), (Lines{{20, "From the file"}}));
}

}  // namespace
}  // namespace solvane
