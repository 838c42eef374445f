#pragma once
// Fonts for the face's text through Qt: the "Tahoma" face, and what drawing
// text can keep from one paint to the next: the QFont of each text style, the
// glyph masks, and each line of text already shaped in its font. The face is
// repainted every second with mostly the same lines, so shaping each of them
// once and then only blending its glyphs saves most of the cost of a paint;
// a line seen for the first time costs its shaping, not a drawing of its own.

#include <QFont>
#include <QString>
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

#include "face/canvas.h"
#include "face/qt_glyph_masks.h"
#include "face/qt_text_line.h"

namespace solvane {

inline constexpr const char* kTahomaFolder = "/usr/share/wine/fonts";

// Registers tahoma.ttf and tahomabd.ttf from `folder` with the application's
// font database; call once after the QGuiApplication exists. False when the
// regular face could not be registered: "Tahoma" then falls back to the
// system's sans face.
bool RegisterTahomaFont(const QString& folder = QString::fromLatin1(kTahomaFolder));

// Glyph masks kept before they are all dropped at the end of a paint, to be
// taken again as needed: bounds the memory a text with many different glyphs
// (a page of lyrics in a large script) can hold.
inline constexpr std::size_t kGlyphMaskBytesKept = 8u << 20;

class QtFontCache {
 public:
  explicit QtFontCache(std::size_t glyphMaskBytesKept = kGlyphMaskBytesKept);

  // The font of a style, made on first use. A style's height is the
  // character-cell height (ascent plus descent), as the skin's text was laid
  // out for, so the pixel size is chosen to give that cell. The reference
  // stays valid as long as the cache.
  const QFont& FontFor(const TextStyle& style);

  // `text` shaped as one line in the style's font, and the glyph masks it
  // is drawn with. Valid until the next EndPaint.
  QtTextLine& ShapedLine(std::u16string_view text, const TextStyle& style);

  // Drops the lines that the paint now ending did not draw, so the cache
  // holds at most one paint's worth of text; drops all of them and the glyph
  // masks too once the masks hold more than the bytes given at construction.
  void EndPaint();

  std::size_t LineCount() const { return lines_.size(); }
  std::size_t GlyphMaskBytes() const { return masks_.ByteCount(); }

 private:
  struct Font {
    std::string face;
    int cellHeight;
    int weight;
    QFont font;
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
    bool usedThisPaint = false;
  };

  std::size_t FontIndex(const TextStyle& style);

  std::deque<Font> fonts_;  // a deque keeps handed-out references valid
  std::size_t glyphMaskBytesKept_;
  QtGlyphMasks masks_;  // before lines_, whose glyphs point into it
  std::unordered_map<LineKey, Line, LineKeyHash> lines_;
};

}  // namespace solvane
