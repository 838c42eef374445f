#include <string>

#include "playback_fixture.h"

namespace solvane::testing {
namespace {

class TrackInfoTest : public PlaybackTest {
 protected:
  void Open(double duration, std::vector<MediaAttribute> attributes) {
    media.media = MediaItem{duration, std::move(attributes)};
    ReadTrackInfo(context);
  }
};

TEST_F(TrackInfoTest, BitrateKeepsTheThousands) {
  const std::pair<const char16_t*, const char16_t*> rows[] = {
      {u"192000", u"192Kbps"}, {u"128000", u"128Kbps"}, {u"1999", u"1Kbps"},
      {u"128999", u"128Kbps"}, {u"64", u""},            {u"999", u""},
      {u"", u""},
  };
  for (const auto& [value, shown] : rows) {
    SCOPED_TRACE(std::string(value, value + std::char_traits<char16_t>::length(value)));
    Open(1.0, {{u"OptimalBitrate", value}});
    EXPECT_EQ(WideView(trackInfo.mediaBitrate), shown);
  }
}

TEST_F(TrackInfoTest, TextsComeFromTheirAttributesAndTheLastRepeatWins) {
  Open(205.67, {{u"Title", u"First"},
                {u"Author", u"Singer"},
                {u"WM/AlbumTitle", u"Album"},
                {u"WM/EncodedBy", u"Encoder"},
                {u"Genre", u"Pop"},
                {u"title", u"lower case is another name"},
                {u"Title", u"Second"}});
  EXPECT_EQ(player.trackDuration, 2056);
  EXPECT_EQ(WideView(trackInfo.mediaTitle), u"Second");
  EXPECT_EQ(WideView(trackInfo.mediaAuthor), u"Singer");
  EXPECT_EQ(WideView(trackInfo.mediaAlbum), u"Album");
  EXPECT_EQ(WideView(trackInfo.mediaEncodedBy), u"Encoder");
  EXPECT_EQ(WideView(trackInfo.mediaBitrate), u"");
}

TEST_F(TrackInfoTest, EveryReadStartsFromEmptyTexts) {
  Open(10.0, {{u"Title", u"Old"}, {u"Author", u"Old"}});
  Open(10.0, {{u"Author", u"New"}});
  EXPECT_EQ(WideView(trackInfo.mediaTitle), u"");
  EXPECT_EQ(WideView(trackInfo.mediaAuthor), u"New");
}

TEST_F(TrackInfoTest, LongValuesAreCutTo127UnitsWithoutSplittingAPair) {
  const std::u16string title(200, u'x');
  std::u16string album(126, u'a');
  album += u"\U0001F3B5 tail";  // the pair would straddle the cut
  Open(1.0, {{u"Title", title}, {u"WM/AlbumTitle", album}});
  EXPECT_EQ(WideView(trackInfo.mediaTitle), title.substr(0, 127));
  EXPECT_EQ(WideView(trackInfo.mediaAlbum), album.substr(0, 126));
}

TEST_F(TrackInfoTest, ADurationTheEngineHasNotSettledStaysPending) {
  media.media = MediaItem{0.6, {}, false};
  ReadTrackInfo(context);
  EXPECT_EQ(player.trackDuration, 6);
  EXPECT_EQ(context.player.durationPending, 1);

  Open(4.0, {});
  EXPECT_EQ(context.player.durationPending, 0);
  media.media.reset();
  context.player.durationPending = 1;
  ReadTrackInfo(context);
  EXPECT_EQ(context.player.durationPending, 0);
}

class DurationRefreshTest : public TrackInfoTest {
 protected:
  // A track read at first with a stand-in duration of 0.7 s.
  void ReadEstimate() {
    media.media = MediaItem{0.7, {{u"Title", u"Song"}}, false};
    ReadTrackInfo(context);
    shell.invalidations = 0;
    media.mediaReads = 0;
  }
};

TEST_F(DurationRefreshTest, AsksNothingOfTheEngineWhenNothingIsPending) {
  Open(3.0, {});
  media.mediaReads = 0;
  media.media = MediaItem{9.0, {}, false};
  RefreshTrackDuration(context);
  EXPECT_EQ(media.mediaReads, 0);
  EXPECT_EQ(player.trackDuration, 30);
}

TEST_F(DurationRefreshTest, TakesAChangedDurationAndRepaintsButKeepsTheTexts) {
  ReadEstimate();
  media.media = MediaItem{0.7, {{u"Title", u"Other"}}, false};
  RefreshTrackDuration(context);
  EXPECT_EQ(player.trackDuration, 7);
  EXPECT_EQ(shell.invalidations, 0);  // nothing changed

  media.media = MediaItem{4.44, {{u"Title", u"Other"}}, false};
  RefreshTrackDuration(context);
  EXPECT_EQ(player.trackDuration, 44);
  EXPECT_EQ(shell.invalidations, 1);
  EXPECT_EQ(context.player.durationPending, 1);
  EXPECT_EQ(WideView(trackInfo.mediaTitle), u"Song");
}

TEST_F(DurationRefreshTest, StopsAskingOnceTheEngineSettlesIt) {
  ReadEstimate();
  media.media = MediaItem{4.68, {}, true};
  RefreshTrackDuration(context);
  EXPECT_EQ(player.trackDuration, 46);
  EXPECT_EQ(context.player.durationPending, 0);
  media.media = MediaItem{9.0, {}, false};
  RefreshTrackDuration(context);
  EXPECT_EQ(media.mediaReads, 1);
  EXPECT_EQ(player.trackDuration, 46);
}

TEST_F(DurationRefreshTest, StopsAskingWhenTheMediaIsGoneAndKeepsTheDuration) {
  ReadEstimate();
  media.media.reset();
  RefreshTrackDuration(context);
  EXPECT_EQ(context.player.durationPending, 0);
  EXPECT_EQ(player.trackDuration, 7);
  EXPECT_EQ(shell.invalidations, 0);
}

TEST_F(TrackInfoTest, NoOpenMediaGivesNoDurationAndEmptyTexts) {
  Open(300.0, {{u"Title", u"Old"}});
  media.media.reset();
  ReadTrackInfo(context);
  EXPECT_EQ(player.trackDuration, 0);
  EXPECT_EQ(WideView(trackInfo.mediaTitle), u"");
}

}  // namespace
}  // namespace solvane::testing
