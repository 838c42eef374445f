#pragma once
// The canvas on a QPainter over a QImage frame, for one paint. The only place
// that draws into the frame: bitmaps and text, both with QPainter; text from
// the lines kept shaped in the font cache.

#include <QImage>
#include <QPainter>
#include <QRect>

#include "face/canvas.h"
#include "face/qt_fonts.h"

namespace solvane {

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
