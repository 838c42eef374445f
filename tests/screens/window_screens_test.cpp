// Pictures of the real main window in every screen mode: the start screen, a
// track with its current lyric line lit, and a track without lyrics showing
// what the media says about itself. Each picture is saved and then read back
// pixel by pixel against the face's geometry and the skin's artwork.

#include <QColor>
#include <QImage>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/fakes/made_folder.h"
#include "tests/screens/screen_pixels.h"
#include "tests/screens/shown_window.h"

namespace solvane::testing {
namespace {

const QColor kRowTextColour(103, 105, 118);
const QColor kCurrentLineColour(254, 252, 180);
const QColor kTimeTextColour(58, 103, 222);

// Lines every two seconds from 0:12 on, after a header. The sixth is longer
// than any screen is wide.
constexpr const char* kLyricFile =
    "[ti:Harbour Lights]\r\n"
    "[ar:The Quay Singers]\r\n"
    "[al:Salt and Stone]\r\n"
    "[00:12.00]First light over the water\r\n"
    "[00:14.00]Gulls are calling out my name\r\n"
    "[00:16.00]Every wave a little brighter\r\n"
    "[00:18.00]Nothing here will stay the same\r\n"
    "[00:20.00]Hold the rope and pull together\r\n"
    "[00:22.00]Over the bar and out past the lighthouse where the long swell "
    "rolls in from the west and the harbour lights grow small behind us\r\n"
    "[00:24.00]Sails are full and spirits high\r\n"
    "[00:26.00]Down the coast in any weather\r\n"
    "[00:28.00]Home before the evening tide\r\n"
    "[00:30.00]Lanterns swinging on the quay\r\n"
    "[00:32.00]Voices carry on the breeze\r\n"
    "[00:34.00]Singing all the way to sea\r\n"
    "[00:36.00]Harbour lights\r\n";

class WindowScreensTest : public ::testing::TestWithParam<ScreenMode> {
 protected:
  void SetUp() override {
    shown = std::make_unique<ShownWindow>(mode);
    ASSERT_TRUE(shown->started());
    ASSERT_EQ(shown->messageBoxes(), 0);
  }

  QRect Band(int top, int height) const { return QRect(0, top, mode.width, height); }
  QRect InformationRow(int row) const { return Band(mode.InformationRowTop(row), mode.RowPitch()); }
  QRect LyricRow(int row) const { return Band(mode.LyricRowTop(row), mode.RowPitch()); }
  QRect DownToClientBottom(int top) const { return Band(top, mode.clientHeight - top); }
  QRect WholeFace() const { return Band(0, mode.clientHeight); }
  QRect TimeBox() const { return DownToClientBottom(mode.Y(250)); }

  // Where the overlays stand, in client pixels.
  QRect SeekKnob(int x) const { return QRect(x, mode.Y(222), mode.X(12), mode.X(6)); }
  QRect VolumeKnob(int x) const { return QRect(x, mode.Y(239), mode.X(9), mode.X(12)); }
  QRect PauseSymbol() const { return QRect(mode.X(72), mode.Y(236), mode.X(29), mode.X(26)); }

  // Glyph-core pixels that a row holding a few words shows at the least.
  int WordsPixels() const { return 40 * mode.scale * mode.scale; }

  // What the text put on the face: the frame less the face image and less the
  // overlays at `overlays` (each checked on its own against the sprite sheet).
  QImage TextOf(const QImage& frame, std::initializer_list<QRect> overlays) const {
    const QImage face = FaceBitmap(mode.scale);
    QImage text =
        DrawnOver(frame, face.copy(0, mode.FaceImageRow(0), mode.width, mode.clientHeight));
    for (const QRect& overlay : overlays) {
      for (int y = overlay.top(); y <= overlay.bottom(); ++y) {
        for (int x = overlay.left(); x <= overlay.right(); ++x) {
          text.setPixel(x, y, qRgb(0, 0, 0));
        }
      }
    }
    return text;
  }

  // The overlay at `target` is the sprite sheet's block at base (x, y),
  // copied as it is. The time text's box begins on the knobs' last base row,
  // so only the rows above the box are compared.
  void ExpectSprite(const QImage& frame, const QRect& target, int baseX, int baseY) const {
    const int rows = std::min(target.height(), mode.Y(250) - target.top());
    const QRect source(mode.X(baseX), mode.X(baseY), target.width(), rows);
    EXPECT_EQ(BlockDifference(frame, target.topLeft(), SpriteSheet(mode.scale), source), "")
        << "sprite at " << baseX << "," << baseY;
  }
  void ExpectSeekKnobAt(const QImage& frame, int x) const {
    ExpectSprite(frame, SeekKnob(x), 40, 12);
  }
  void ExpectVolumeKnobAt(const QImage& frame, int x) const {
    ExpectSprite(frame, VolumeKnob(x), 204, 29);
  }

  // The open, previous, stop and next buttons show the face image as it is,
  // from source row 80 x s on the short screens and row 0 on the tall ones.
  void ExpectIdleButtonsFromTheFaceImage(const QImage& frame) const {
    const QImage face = FaceBitmap(mode.scale);
    for (const auto& [left, right] : {std::pair{0, 70}, std::pair{105, 160}}) {
      const int top = mode.Y(236);
      const QRect source(mode.X(left), mode.FaceImageRow(top), mode.X(right - left),
                         mode.X(261 - 236));
      EXPECT_EQ(BlockDifference(frame, QPoint(mode.X(left), top), face, source), "")
          << "buttons from x " << left;
    }
  }

  // The time text stands right-aligned at the right edge of its box, in the
  // face's plain corner, and its colour is drawn nowhere else.
  void ExpectTimeTextInItsBoxOnly(const QImage& text) const {
    // The last digit's thin stems are all anti-aliased at the small size, so
    // the edge is taken from every pixel the text changed.
    const QRect drawn = BoundsOfDrawn(text, TimeBox());
    ExpectTextAtTopOf(text, TimeBox(), kTimeTextColour, kTimeCell, WordsPixels() / 2);
    EXPECT_EQ(CountNear(text, WholeFace(), kTimeTextColour),
              CountNear(text, TimeBox(), kTimeTextColour));
    EXPECT_LE(drawn.right(), mode.X(240) - 1);
    EXPECT_GE(drawn.right(), mode.X(240) - 3 * mode.scale);
    EXPECT_GE(drawn.left(), mode.X(160));
  }

  // Text of `colour` in the band `row`, its cell of `cell` pixels (at scale
  // 1) standing at the band's top: capitals start below the room the cell
  // keeps above them for accents, about a quarter of the cell in Tahoma.
  void ExpectTextAtTopOf(const QImage& text, const QRect& row, const QColor& colour,
                         int cell = kRowCell, int leastPixels = 0) const {
    EXPECT_GE(CountNear(text, row, colour), leastPixels > 0 ? leastPixels : WordsPixels())
        << "row at " << row.top();
    const int top = BoundsOfNear(text, row, colour).top();
    EXPECT_GE(top, row.top() + cell * mode.scale / 8) << "row at " << row.top();
    EXPECT_LE(top, row.top() + cell * mode.scale * 3 / 10) << "row at " << row.top();
  }

  // Every pixel the text changed in `area` (the rest of the text image is black).
  static QRect BoundsOfDrawn(const QImage& text, const QRect& area) {
    QRect bounds;
    const QRect cut = area.intersected(text.rect());
    for (int y = cut.top(); y <= cut.bottom(); ++y) {
      for (int x = cut.left(); x <= cut.right(); ++x) {
        if ((text.pixel(x, y) & 0xffffffu) != 0) {
          bounds = bounds.united(QRect(x, y, 1, 1));
        }
      }
    }
    return bounds;
  }

  static constexpr int kRowCell = 20;
  static constexpr int kTimeCell = 14;

  // Row-text pixels stand only in `rows` of a grid, each of which holds some.
  void ExpectRowTextIn(const QImage& text, const std::vector<QRect>& rows) const {
    int inRows = 0;
    for (const QRect& row : rows) {
      ExpectTextAtTopOf(text, row, kRowTextColour);
      inRows += CountNear(text, row, kRowTextColour);
    }
    EXPECT_EQ(CountNear(text, WholeFace(), kRowTextColour), inRows);
  }

  const ScreenMode& mode = GetParam();
  std::unique_ptr<ShownWindow> shown;
};

TEST_P(WindowScreensTest, StartScreen) {
  const QImage frame = shown->Shoot("start");
  const QRect seekKnob = SeekKnob(mode.X(37));  // at the bar's start
  // Volume 80: 181 x s plus 56 x s x 80 / 100, less (9 x s) / 2.
  const QRect volumeKnob = VolumeKnob(mode.scale == 1 ? 221 : 442);
  const QImage text = TextOf(frame, {seekKnob, volumeKnob});

  ExpectRowTextIn(text,
                  {InformationRow(1), InformationRow(2), InformationRow(3), InformationRow(7)});
  for (int row : {1, 2, 3, 7}) {
    // Centred; the padding spaces shift a text by a few pixels at most.
    const QRect drawn = BoundsOfNear(text, InformationRow(row), kRowTextColour);
    EXPECT_NEAR(drawn.center().x(), mode.width / 2, 8 * mode.scale) << row;
  }
  EXPECT_EQ(CountNear(text, WholeFace(), kCurrentLineColour), 0);
  ExpectTimeTextInItsBoxOnly(text);

  ExpectIdleButtonsFromTheFaceImage(frame);
  ExpectSeekKnobAt(frame, seekKnob.left());
  ExpectVolumeKnobAt(frame, volumeKnob.left());
}

TEST_P(WindowScreensTest, LyricsWithTheCurrentLineLit) {
  const MadeFolder music;
  music.File("other.mp3");
  music.File("harbour.mp3");
  std::ofstream(music.Path() / "harbour.lrc", std::ios::binary) << kLyricFile;
  shown->AddEntry(music.Wide(), u"other.mp3");
  shown->AddEntry(music.Wide(), u"harbour.mp3");
  shown->media().media = MediaItem{40.0, {}};

  shown->PlayFromPlaylistView(1);
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_EQ(shown->media().urls.back(), music.Wide() + u"harbour.mp3");
  ASSERT_EQ(shown->records().player.lyricsPresent, 1);
  shown->PlayUpTo(20);  // the fifth line starts at 0:20, half-way through
  ASSERT_EQ(shown->records().lyrics.headerShown, 0);
  ASSERT_EQ(shown->records().lyrics.currentLine, 4);
  const QImage frame = shown->Shoot("lyrics");
  // Half-way: 37 x s plus 50 x (100 x s - 2) / 100.
  const QRect seekKnob = SeekKnob(mode.scale == 1 ? 86 : 173);
  const QRect volumeKnob = VolumeKnob(mode.scale == 1 ? 221 : 442);
  const QImage text = TextOf(frame, {seekKnob, volumeKnob, PauseSymbol()});

  const QRect current = LyricRow(4);
  ExpectTextAtTopOf(text, current, kCurrentLineColour);
  EXPECT_EQ(CountNear(text, WholeFace(), kCurrentLineColour),
            CountNear(text, current, kCurrentLineColour));
  std::vector<QRect> otherRows;
  for (int row = 0; row < mode.lyricRows; ++row) {
    if (row != 4) {
      otherRows.push_back(LyricRow(row));
    }
  }
  ExpectRowTextIn(text, otherRows);
  EXPECT_EQ(CountNear(text, current, kRowTextColour), 0);
  // The long line is centred and cut at both edges.
  const QRect longLine = BoundsOfNear(text, LyricRow(5), kRowTextColour);
  EXPECT_LE(longLine.left(), 4 * mode.scale);
  EXPECT_GE(longLine.right(), mode.width - 1 - 4 * mode.scale);
  ExpectTimeTextInItsBoxOnly(text);

  ExpectIdleButtonsFromTheFaceImage(frame);
  ExpectSprite(frame, PauseSymbol(), 0, 58);
  ExpectSeekKnobAt(frame, seekKnob.left());
  ExpectVolumeKnobAt(frame, volumeKnob.left());
}

TEST_P(WindowScreensTest, TrackInformationWithoutLyrics) {
  const MadeFolder music;
  music.File("other.mp3");
  music.File("plain.mp3");
  shown->AddEntry(music.Wide(), u"other.mp3");
  shown->AddEntry(music.Wide(), u"plain.mp3");
  shown->media().media = MediaItem{225.0,
                                   {{u"Title", u"Harbour Lights"},
                                    {u"Author", u"The Quay Singers"},
                                    {u"WM/AlbumTitle", u"Salt and Stone"},
                                    {u"OptimalBitrate", u"192000"},
                                    {u"WM/EncodedBy", u"Quayside Encoder"}}};

  shown->PlayFromPlaylistView(1);
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_EQ(shown->records().player.lyricsPresent, 0);
  shown->PlayUpTo(62);
  shown->media().volume = 100;
  const QImage frame = shown->Shoot("information");
  // 27 % of the track: 37 x s plus 27 x (100 x s - 2) / 100.
  const QRect seekKnob = SeekKnob(mode.scale == 1 ? 63 : 127);
  // Volume 100 runs the knob to its stop, 47 x s + 1 right of 181 x s.
  const QRect volumeKnob = VolumeKnob(mode.scale == 1 ? 229 : 457);
  const QImage text = TextOf(frame, {seekKnob, volumeKnob, PauseSymbol()});

  ExpectRowTextIn(text, {InformationRow(1), InformationRow(2), InformationRow(3), InformationRow(4),
                         InformationRow(5)});
  EXPECT_EQ(CountNear(text, WholeFace(), kCurrentLineColour), 0);
  ExpectTimeTextInItsBoxOnly(text);

  ExpectIdleButtonsFromTheFaceImage(frame);
  ExpectSprite(frame, PauseSymbol(), 0, 58);
  ExpectSeekKnobAt(frame, seekKnob.left());
  ExpectVolumeKnobAt(frame, volumeKnob.left());
}

INSTANTIATE_TEST_SUITE_P(EveryScreenMode, WindowScreensTest, ::testing::ValuesIn(kScreenModes),
                         [](const ::testing::TestParamInfo<ScreenMode>& screen) {
                           return "Screen" + screen.param.Name();
                         });

}  // namespace
}  // namespace solvane::testing
