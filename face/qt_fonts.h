#pragma once
// Fonts for the face's text through Qt: the "Tahoma" face, and what drawing
// text keeps from one paint to the next: the QFont of each text style, sized
// by its character cell, and each line of text shaped in its font while the
// face shows it. The face is repainted with mostly the same lines: a whole
// 480 x 800 frame of twelve lyric rows that finds its lines shaped costs 7.5
// block copies of the frame, one that shapes them 10.2: keeping them buys
// 1.36x (paint_bench, PaintFrame480x800 against PaintFrame480x800NewLines).

#include <QFont>
#include <QRgb>
#include <QString>
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

#include "face/canvas.h"
#include "face/qt_text_line.h"

namespace solvane {

inline constexpr const char* kTahomaFolder = "/usr/share/wine/fonts";

// Registers tahoma.ttf and tahomabd.ttf from `folder` with the application's
// font database; call once after the QGuiApplication exists. False when the
// regular face could not be registered: "Tahoma" then falls back to the
// system's sans face.
bool RegisterTahomaFont(const QString& folder = QString::fromLatin1(kTahomaFolder));

// The style's colour as Qt gives colours.
QRgb RgbOf(const TextStyle& style);

class QtFontCache {
 public:
  // The font of a style, made on first use. A style's height is the
  // character-cell height (the face's Windows ascent plus descent, see
  // qt_cell_metrics.h), as the skin's text was laid out for, so the pixel
  // size is chosen to give that cell. The reference stays valid as long as
  // the cache.
  const QFont& FontFor(const TextStyle& style);

  // Pixels from the top of the style's cell down to its baseline.
  int CellAscent(const TextStyle& style);

  // `text` shaped as one line in the style's font, shaped now when `shape`
  // is set and it is not kept yet; null otherwise. Either way the line counts
  // as drawn by this paint. Valid until the next EndPaint.
  const QtTextLine* Line(std::u16string_view text, const TextStyle& style, bool shape);

  // Drops the lines this paint did not ask for: they have left the face.
  void EndPaint();

  std::size_t LineCount() const { return lines_.size(); }

 private:
  struct Font {
    std::string face;
    int cellHeight;
    int weight;
    QFont font;
    int cellAscent;
  };
  // The colour is not part of a line: it is given when the line is drawn.
  struct LineKey {
    std::u16string text;
    std::size_t font;
    friend bool operator==(const LineKey&, const LineKey&) = default;
  };
  struct LineKeyHash {
    std::size_t operator()(const LineKey& key) const;
  };
  struct KeptLine {
    QtTextLine shaped;
    unsigned lastPaint = 0;
  };

  std::size_t FontIndex(const TextStyle& style);

  std::deque<Font> fonts_;  // a deque keeps handed-out references valid
  unsigned paint_ = 0;
  std::unordered_map<LineKey, KeptLine, LineKeyHash> lines_;
};

}  // namespace solvane
