// Paints of the 480 x 800 face with twelve lyric rows through the Qt canvas,
// beside their baseline: one block copy of a 480 x 696 image into the frame,
// the cost of showing a whole frame.
//
// A repaint goes as in the main window: what the face shows is compared with
// the last look, and the whole frame is composed again within the changed
// region only, onto an image that stands for the window's backing store. The
// rows: the clock's tick (the play time only), a new current line, a page
// turn as the song plays on, a jump to another part of the song (every line
// new); and a whole frame with its lines kept shaped, and with every line
// shaped anew (what keeping the shaped lines buys).

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/wide_text.h"
#include "face/face_changes.h"
#include "face/qt_canvas.h"
#include "face/qt_fonts.h"
#include "lyrics/lyrics.h"
#include "skin/qt_bitmap.h"

namespace solvane {
namespace {

QImage Patterned(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    }
  }
  return image;
}

struct PaintScene {
  PaintScene() {
    SetScreenValues(layout, kScreenMode480x800);
    ComputeFaceLayout(layout);
    bitmaps.faceImage = std::make_unique<QtBitmap>(Patterned(480, 696));
    bitmaps.spriteSheet = std::make_unique<QtBitmap>(Patterned(480, 183));
    player.trackLoaded = 1;
    player.playing = 1;
    player.lyricsPresent = 1;
    player.repeat = 1;
    player.playPosition = 1'234;
    player.trackDuration = 2'400;
    FillLyricWindow(0);
    lyrics.lineCount = kLyricWindowSlots;
    lyrics.currentLine = 3;
  }

  // The window from the song's line `first` on.
  void ShowLinesFrom(int first) {
    for (int slot = 0; slot < kLyricWindowSlots; ++slot) {
      const std::string line =
          "Lyric line " + std::to_string(first + slot) + " of the song, sung slowly";
      std::snprintf(lyrics.lineText[slot], kLyricTextField, "%s", line.c_str());
    }
  }

  // Lines that differ from those of any other page.
  void FillLyricWindow(int page) { ShowLinesFrom(page * kLyricWindowSlots); }

  // The highlight reached the row that turns the page: the window now starts
  // at that line, which is current.
  void TurnPage() {
    firstLine += layout.lyricRows - kRowsKeptBelowHighlight;
    ShowLinesFrom(firstLine);
    lyrics.currentLine = 0;
  }

  // The highlight moves down a row, back to the top once it reached the row
  // that would turn the page.
  void NextCurrentLine() {
    lyrics.currentLine = (lyrics.currentLine + 1) % (layout.lyricRows - kRowsKeptBelowHighlight);
  }

  int firstLine = 0;

  FaceFrame Frame() {
    return {layout, bitmaps, options, player, lyrics, trackInfo, startScreen, 80, paintState};
  }

  ScreenLayout layout;
  SkinBitmaps bitmaps;
  Options options;
  PlayerState player;
  LyricState lyrics;
  TrackInfo trackInfo;
  StartScreenLines startScreen;
  FacePaintState paintState;
};

void BM_BlockCopyBaseline(benchmark::State& state) {
  const QImage source = Patterned(480, 696);
  QImage frame(480, 696, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&frame);
    painter.drawImage(0, 0, source);
    painter.end();
    benchmark::DoNotOptimize(frame.constBits());
  }
}
BENCHMARK(BM_BlockCopyBaseline);

// The main window's side: the look it last asked for, and the backing store
// the changed region is composed onto.
struct ShownFace {
  void Repaint(PaintScene& scene) {
    FaceLook look = LookOf(scene.Frame());
    const FaceChanges changes = ChangedFaceAreas(shown, look);
    shown = std::move(look);
    QRegion changed;
    if (changes.whole) {
      changed = screen.rect();
    }
    for (const TextRect& area : changes.areas) {
      changed += QRectOf(area);
    }
    QPainter painter(&screen);
    PaintFace(painter, scene.Frame(), fonts, changed);
    rectCount = changed.rectCount();
  }

  QtFontCache fonts;
  QImage screen = QImage(480, 696, QImage::Format_RGB32);
  FaceLook shown;
  int rectCount = 0;
};

// Repaints after `change`, which moves the play time on by a second and may
// change more; untimed work of a change goes through `state`.
template <typename Change>
void RepaintAfter(benchmark::State& state, Change change) {
  PaintScene scene;
  scene.player.trackDuration = 600'000;  // the seek knob stays put
  ShownFace face;
  face.Repaint(scene);
  for (auto _ : state) {
    scene.player.playPosition += 10;
    change(state, scene, face);
    face.Repaint(scene);
    benchmark::DoNotOptimize(face.screen.constBits());
  }
  state.counters["rects"] = face.rectCount;  // rectangles of the last repaint's region
}

void BM_RepaintClockTick(benchmark::State& state) {
  RepaintAfter(state, [](benchmark::State&, PaintScene&, ShownFace&) {});
}
BENCHMARK(BM_RepaintClockTick);

void BM_RepaintNewCurrentLine(benchmark::State& state) {
  RepaintAfter(state, [](benchmark::State&, PaintScene& scene, ShownFace&) {
    scene.NextCurrentLine();
  });
}
BENCHMARK(BM_RepaintNewCurrentLine);

void BM_RepaintPageTurn(benchmark::State& state) {
  RepaintAfter(state, [](benchmark::State& timing, PaintScene& scene, ShownFace& face) {
    timing.PauseTiming();
    scene.lyrics.currentLine = scene.layout.lyricRows - kRowsKeptBelowHighlight - 1;
    face.Repaint(scene);
    scene.TurnPage();
    timing.ResumeTiming();
  });
}
BENCHMARK(BM_RepaintPageTurn);

// A jump to another part of the song: every line new and none ready.
void BM_RepaintAllNewLines(benchmark::State& state) {
  int page = 0;
  RepaintAfter(state, [&page](benchmark::State& timing, PaintScene& scene, ShownFace&) {
    timing.PauseTiming();
    scene.FillLyricWindow(++page);
    timing.ResumeTiming();
  });
}
BENCHMARK(BM_RepaintAllNewLines);

// The whole frame, as a paint Qt asks for (an expose, a focus-in) draws it.
void PaintWholeFrame(PaintScene& scene, QtFontCache& fonts, QImage& frame) {
  QPainter painter(&frame);
  PaintFace(painter, scene.Frame(), fonts, frame.rect());
}

void BM_PaintFrame480x800(benchmark::State& state) {
  PaintScene scene;
  QtFontCache fonts;
  QImage frame(480, 696, QImage::Format_RGB32);
  for (auto _ : state) {
    scene.player.playPosition += 10;
    PaintWholeFrame(scene, fonts, frame);
    benchmark::DoNotOptimize(frame.constBits());
  }
}
BENCHMARK(BM_PaintFrame480x800);

// Every line new, as after a page turn of the lyric window.
void BM_PaintFrame480x800NewLines(benchmark::State& state) {
  PaintScene scene;
  QtFontCache fonts;
  QImage frame(480, 696, QImage::Format_RGB32);
  int page = 0;
  for (auto _ : state) {
    state.PauseTiming();
    scene.FillLyricWindow(++page);
    state.ResumeTiming();
    scene.player.playPosition += 10;
    PaintWholeFrame(scene, fonts, frame);
    benchmark::DoNotOptimize(frame.constBits());
  }
}
BENCHMARK(BM_PaintFrame480x800NewLines);

}  // namespace
}  // namespace solvane

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  int qtArgc = 1;
  QGuiApplication application(qtArgc, argv);
  solvane::RegisterTahomaFont();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
