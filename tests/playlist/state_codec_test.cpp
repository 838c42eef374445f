#include "playlist/state_codec.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/playlist/state_records.h"

namespace solvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Encode(const StateRecords& records) {
  return EncodeState(records.options, *records.playlist, records.player, records.volume);
}

bool Decode(const Bytes& bytes, StateRecords& records) {
  return DecodeState(bytes, records.options, *records.playlist, records.player, records.volume);
}

void PutInt(Bytes& bytes, std::size_t offset, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i) {
    bytes[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
  }
}

void PutUnits(Bytes& bytes, std::size_t offset, char16_t unit, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    bytes[offset + 2 * i] = static_cast<std::uint8_t>(unit & 0xFF);
    bytes[offset + 2 * i + 1] = static_cast<std::uint8_t>(unit >> 8);
  }
}

// Every field away from its default.
void SetNonDefaultHead(StateRecords& records) {
  records.volume = 55;
  records.player.muted = 1;
  records.player.playPosition = 1234;
  records.player.resumePosition = 1234;
  records.options.playLastFileAtStartup = 1;
  records.options.rememberPlaylist = 1;
  records.options.rememberLastPosition = 1;
  records.options.useBackgroundImage = 1;
  WideCopy(records.options.backgroundImagePath, u"/opt/solvane/Sk\u00fd.bmp");
  records.options.firstStartDone = 1;
}

void AddEntry(Playlist& playlist, std::u16string_view folder, std::u16string_view name) {
  WideCopy(playlist.folder[playlist.playlistCount], folder);
  WideCopy(playlist.fileName[playlist.playlistCount], name);
  ++playlist.playlistCount;
}

StateRecords TwoEntryRecords() {
  StateRecords records;
  SetNonDefaultHead(records);
  AddEntry(*records.playlist, u"/M\u00fc/", u"a.mp3");
  AddEntry(*records.playlist, u"/Music/", u"\u65e5\u672c.wma");
  records.playlist->currentIndex = -1;
  return records;
}

TEST(StateCodec, WritesTheDefaultsAsTheKnownSixHundredBytes) {
  StateRecords records;
  records.options.firstStartDone = 1;
  const Bytes bytes = Encode(records);

  Bytes expected(600, 0);
  const std::uint8_t head[36] = {0x53, 0x56, 0x5F, 0x50, 0x8E, 0x03, 0, 0, 0x50, 0, 0, 0,
                                 0,    0,    0,    0,    0,    0,    0, 0, 0,    0, 0, 0,
                                 0x01, 0,    0,    0,    0,    0,    0, 0, 0,    0, 0, 0};
  std::copy(std::begin(head), std::end(head), expected.begin());
  expected[556] = 1;  // firstStartDone
  EXPECT_EQ(bytes, expected);
}

TEST(StateCodec, LaysTheEntriesOutAsAllFoldersThenAllNames) {
  const Bytes bytes = Encode(TwoEntryRecords());
  ASSERT_EQ(bytes.size(), 600u + 2 * 1040u);
  const auto at = [&bytes](std::size_t offset, std::size_t count) {
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                 bytes.begin() + static_cast<std::ptrdiff_t>(offset + count));
  };
  EXPECT_EQ(at(8, 24), (Bytes{55, 0, 0, 0, 1, 0, 0, 0, 0xD2, 0x04, 0, 0,
                              1,  0, 0, 0, 1, 0, 0, 0, 1,    0,    0, 0}));
  EXPECT_EQ(at(592, 8), (Bytes{2, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(at(600, 10), (Bytes{0x2F, 0, 0x4D, 0, 0xFC, 0, 0x2F, 0, 0, 0}));  // "/Mü/"
  EXPECT_EQ(at(1120, 4), (Bytes{0x2F, 0, 0x4D, 0}));                          // "/Music/"
  EXPECT_EQ(at(1640, 4), (Bytes{0x61, 0, 0x2E, 0}));                          // "a.mp3"
  EXPECT_EQ(at(2160, 6), (Bytes{0xE5, 0x65, 0x2C, 0x67, 0x2E, 0}));          // "日本.wma"
  // Units after a terminator are written as zeros.
  EXPECT_EQ(at(1640 + 10, 510), Bytes(510, 0));
}

TEST(StateCodec, RoundTripsAFullPlaylistOfNonAsciiNames) {
  StateRecords saved;
  SetNonDefaultHead(saved);
  for (int i = 0; i < kPlaylistCapacity; ++i) {
    const std::u16string number = Wide(std::to_string(i));
    AddEntry(*saved.playlist, u"/Musik/Bj\u00f6rk " + number + u"/",
             i == 0 ? std::u16string(259, u'\u00e9') : u"\U0001F3B5 " + number + u".mp3");
  }
  saved.playlist->currentIndex = 299;

  const Bytes bytes = Encode(saved);
  EXPECT_EQ(bytes.size(), 600u + 300u * 1040u);
  StateRecords loaded;
  ASSERT_TRUE(Decode(bytes, loaded));
  EXPECT_EQ(FirstDifference(loaded, saved), "");
}

TEST(StateCodec, LeavesThePlaylistOutWhenItIsNotRemembered) {
  StateRecords saved = TwoEntryRecords();
  saved.options.rememberPlaylist = 0;
  StateRecords loaded;
  ASSERT_TRUE(Decode(Encode(saved), loaded));
  EXPECT_EQ(loaded.playlist->playlistCount, 0);
  EXPECT_EQ(loaded.playlist->currentIndex, 0);
  StateRecords expected = TwoEntryRecords();
  expected.options.rememberPlaylist = 0;
  expected.playlist = std::make_unique<Playlist>();
  EXPECT_EQ(FirstDifference(loaded, expected), "");
}

TEST(StateCodec, IgnoresBytesWithoutTheMagic) {
  Bytes wrongMagic = Encode(TwoEntryRecords());
  wrongMagic[3] = 'Q';
  for (const Bytes& bytes : {wrongMagic, Bytes{}, Bytes{'S', 'V', '_'}}) {
    StateRecords loaded;
    EXPECT_FALSE(Decode(bytes, loaded));
    EXPECT_EQ(FirstDifference(loaded, StateRecords()), "");
  }
}

TEST(StateCodec, RejectsOnlyThePlaylistWhenItsCountCannotBeHeld) {
  Bytes bytes = Encode(TwoEntryRecords());
  bytes.resize(600 + 301 * 1040, 0x41);
  for (const std::int32_t count : {301, -1, INT32_MIN, INT32_MAX}) {
    PutInt(bytes, 592, count);
    StateRecords loaded;
    AddEntry(*loaded.playlist, u"/Kept/", u"kept.mp3");
    loaded.playlist->currentIndex = 5;
    ASSERT_TRUE(Decode(bytes, loaded));

    StateRecords expected = TwoEntryRecords();
    expected.playlist = std::make_unique<Playlist>();
    AddEntry(*expected.playlist, u"/Kept/", u"kept.mp3");
    expected.playlist->currentIndex = 5;
    EXPECT_EQ(FirstDifference(loaded, expected), "") << count;
  }
}

TEST(StateCodec, KeepsWhatAShortFileHoldsWhole) {
  const StateRecords saved = TwoEntryRecords();
  const Bytes whole = Encode(saved);
  // Where each field ends, and how it reaches the records.
  struct Field {
    std::size_t end;
    std::function<void(StateRecords&)> take;
  };
  const Field fields[] = {
      {12, [&](StateRecords& r) { r.volume = saved.volume; }},
      {16, [&](StateRecords& r) { r.player.muted = saved.player.muted; }},
      {20,
       [&](StateRecords& r) {
         r.player.playPosition = saved.player.playPosition;
         r.player.resumePosition = saved.player.playPosition;
       }},
      {24, [&](StateRecords& r) { r.options.playLastFileAtStartup = 1; }},
      {28, [&](StateRecords& r) { r.options.rememberPlaylist = 1; }},
      {32, [&](StateRecords& r) { r.options.rememberLastPosition = 1; }},
      {36, [&](StateRecords& r) { r.options.useBackgroundImage = 1; }},
      {556,
       [&](StateRecords& r) {
         WideCopy(r.options.backgroundImagePath, WideView(saved.options.backgroundImagePath));
       }},
      {560, [&](StateRecords& r) { r.options.firstStartDone = 1; }},
      {whole.size(),
       [&](StateRecords& r) {
         AddEntry(*r.playlist, WideView(saved.playlist->folder[0]),
                  WideView(saved.playlist->fileName[0]));
         AddEntry(*r.playlist, WideView(saved.playlist->folder[1]),
                  WideView(saved.playlist->fileName[1]));
         r.playlist->currentIndex = saved.playlist->currentIndex;
       }},
  };
  for (const std::size_t cut : {4u, 10u, 12u, 15u, 16u, 20u, 36u, 300u, 555u, 556u, 559u, 560u,
                                592u, 596u, 599u, 600u, 1700u, 2679u, 2680u}) {
    const Bytes bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
    StateRecords loaded;
    ASSERT_TRUE(Decode(bytes, loaded)) << cut;
    StateRecords expected;
    for (const Field& field : fields) {
      if (field.end <= cut) {
        field.take(expected);
      }
    }
    EXPECT_EQ(FirstDifference(loaded, expected), "") << cut;
  }
}

TEST(StateCodec, IgnoresBytesAfterTheAnnouncedEntries) {
  Bytes bytes = Encode(TwoEntryRecords());
  bytes.resize(bytes.size() + 777, 0x5A);
  StateRecords loaded;
  ASSERT_TRUE(Decode(bytes, loaded));
  EXPECT_EQ(FirstDifference(loaded, TwoEntryRecords()), "");
}

TEST(StateCodec, BoundsTextsWithoutTerminatorAt259Characters) {
  Bytes bytes = Encode(TwoEntryRecords());
  PutUnits(bytes, 36, u'p', 260);
  PutUnits(bytes, 600 + 520, u'f', 260);
  PutUnits(bytes, 600 + 1040, u'\u00e9', 260);
  StateRecords loaded;
  ASSERT_TRUE(Decode(bytes, loaded));
  EXPECT_EQ(WideView(loaded.options.backgroundImagePath), std::u16string(259, u'p'));
  EXPECT_EQ(WideView(loaded.playlist->folder[1]), std::u16string(259, u'f'));
  EXPECT_EQ(WideView(loaded.playlist->fileName[0]), std::u16string(259, u'\u00e9'));
  EXPECT_EQ(WideView(loaded.playlist->fileName[1]), u"\u65e5\u672c.wma");
}

TEST(StateCodec, AlwaysWritesTerminatedFieldsAndAnEntryCountItCanHold) {
  StateRecords records;
  std::fill(std::begin(records.options.backgroundImagePath),
            std::end(records.options.backgroundImagePath), u'x');
  records.playlist->playlistCount = -3;
  const Bytes bytes = Encode(records);
  ASSERT_EQ(bytes.size(), 600u);
  EXPECT_EQ(bytes[36 + 2 * 258], 'x');
  EXPECT_EQ(bytes[36 + 2 * 259], 0);
  EXPECT_EQ(bytes[592], 0);
}

}  // namespace
}  // namespace solvane
