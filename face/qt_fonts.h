#pragma once
// Fonts for the face's text through Qt: the "Tahoma" face, and what drawing
// text can keep from one paint to the next: the QFont of each text style,
// sized by its character cell, and each line of text already shaped in its
// font. The face is repainted with mostly the same lines, so shaping each of
// them once and then only drawing its glyph runs saves most of a paint.

#include <QFont>
#include <QRgb>
#include <QString>
#include <cstddef>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "face/canvas.h"
#include "face/lyric_rows.h"
#include "face/qt_text_line.h"

namespace solvane {

inline constexpr const char* kTahomaFolder = "/usr/share/wine/fonts";

// Registers tahoma.ttf and tahomabd.ttf from `folder` with the application's
// font database; call once after the QGuiApplication exists. False when the
// regular face could not be registered: "Tahoma" then falls back to the
// system's sans face.
bool RegisterTahomaFont(const QString& folder = QString::fromLatin1(kTahomaFolder));

inline constexpr unsigned kLinePaintsKept = 16;

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

  // `text` shaped as one line in the style's font. Valid until the next
  // EndPaint.
  QtTextLine& ShapedLine(std::u16string_view text, const TextStyle& style);

  // Shapes `lines` and renders their ink in their styles' colours ahead of
  // the paints that draw them, keeping them as if the next paint had drawn
  // them; every other ink is dropped. Work done here between paints is work
  // the paints need not do, and ink is kept only for what is about to be
  // drawn (a line's ink is as large as the line on screen).
  void ReadyInkFor(std::span<const LineAhead> lines);

  // Drops the lines that none of the last kLinePaintsKept paints drew, so
  // the cache holds a few paints' worth of text. A paint may draw only the
  // part of the face that changed, so lines stay for a few paints.
  void EndPaint();

  std::size_t LineCount() const { return lines_.size(); }

  // Bytes of ink the kept lines hold.
  qsizetype InkBytes() const;

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
  struct Line {
    QtTextLine shaped;
    unsigned lastPaint = 0;
  };

  std::size_t FontIndex(const TextStyle& style);

  std::deque<Font> fonts_;  // a deque keeps handed-out references valid
  unsigned paint_ = 0;
  std::unordered_map<LineKey, Line, LineKeyHash> lines_;
};

}  // namespace solvane
