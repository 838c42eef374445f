#pragma once
// The canvas on a QPainter over a QImage frame, for one paint. The only place
// that draws into the frame: bitmaps and text, both with QPainter; text from
// the lines kept shaped in the font cache.

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <string_view>

#include "face/canvas.h"
#include "face/face_damage.h"
#include "face/qt_fonts.h"

namespace solvane {

// Where the canvas puts `text` drawn in `rect`: its shaped line, the pen's
// start on the baseline, and the pixels its ink can touch within its reach
// (see TextReach) and `within` (the frame, or the part of it a paint is
// clipped to). The ink area is empty, and the line null, for text that
// leaves no ink there; text whose reach misses `within` is not shaped.
struct TextPlacement {
  QtTextLine* line = nullptr;
  QPoint baseline;
  QRect ink;
};
TextPlacement PlaceText(QtFontCache& fonts, std::u16string_view text, const TextRect& rect,
                        const TextStyle& style, TextAlignment alignment, const QRect& within);

// The ink area of a recorded text step on a frame of `frameRect`, as the
// canvas would draw it: the text area ChangedAreas wants.
TextRect TextInkAreaOf(QtFontCache& fonts, const DrawnText& text, const QRect& frameRect);

class QtCanvas final : public Canvas {
 public:
  // Paints into `frame` until destroyed; then tells `fonts` the paint ended.
  // Bitmaps given to it must be QtBitmaps; any other kind is skipped.
  QtCanvas(QImage& frame, QtFontCache& fonts);
  ~QtCanvas() override;

  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  // Leaves everything outside `rect` alone until the next ClipTo.
  void ClipTo(const QRect& rect);

  void CopyBitmap(const Bitmap& source, int sourceX, int sourceY, int width, int height, int destX,
                  int destY) override;
  // The text's cell stands at the top of `rect`: its baseline lies the
  // font's cell ascent below the top, so accents of capitals fall inside.
  void DrawText(std::u16string_view text, const TextRect& rect, const TextStyle& style,
                TextAlignment alignment) override;

 private:
  QPainter painter_;
  QtFontCache& fonts_;
  QRect frameRect_;
  QRect clip_;
  bool clipped_ = false;
};

}  // namespace solvane
