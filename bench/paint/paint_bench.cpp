// One whole paint of the 480 x 800 face with twelve lyric rows through the Qt
// canvas, beside its baseline: one block copy of a 480 x 696 image into the
// frame, the least any paint has to do.
//
// The repaint is the common case: the lyric lines stay while the play time
// moves on every paint. A paint where every lyric line is new (a page turn of
// the lyric window) is measured apart.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <memory>
#include <string>

#include "base/wide_text.h"
#include "face/qt_fonts.h"
#include "face/qt_frame.h"
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

  // Lines that differ from those of any other page.
  void FillLyricWindow(int page) {
    for (int slot = 0; slot < kLyricWindowSlots; ++slot) {
      const std::string line = "Lyric line " + std::to_string(page * kLyricWindowSlots + slot) +
                               " of the song, sung slowly";
      std::snprintf(lyrics.lineText[slot], kLyricTextField, "%s", line.c_str());
    }
  }

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

void BM_PaintFrame480x800(benchmark::State& state) {
  PaintScene scene;
  QtFontCache fonts;
  QImage frame;
  for (auto _ : state) {
    scene.player.playPosition += 10;
    PaintFrame(scene.Frame(), frame, fonts);
    benchmark::DoNotOptimize(frame.constBits());
  }
}
BENCHMARK(BM_PaintFrame480x800);

// Every line new, as after a page turn of the lyric window.
void BM_PaintFrame480x800NewLines(benchmark::State& state) {
  PaintScene scene;
  QtFontCache fonts;
  QImage frame;
  int page = 0;
  for (auto _ : state) {
    state.PauseTiming();
    scene.FillLyricWindow(++page);
    state.ResumeTiming();
    scene.player.playPosition += 10;
    PaintFrame(scene.Frame(), frame, fonts);
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
