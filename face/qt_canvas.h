#pragma once
// The canvas on a QPainter over a QImage frame, for one paint. The only place
// that draws into the frame: bitmaps with QPainter, text by blending the
// glyph masks of lines kept in the font cache.

#include <QImage>
#include <QPainter>

#include "face/canvas.h"
#include "face/qt_fonts.h"
#include "face/qt_text_line.h"

namespace solvane {

class QtCanvas final : public Canvas {
 public:
  // Paints into `frame` until destroyed; then tells `fonts` the paint ended.
  // Bitmaps given to it must be QtBitmaps; any other kind is skipped.
  QtCanvas(QImage& frame, QtFontCache& fonts);
  ~QtCanvas() override;

  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  void CopyBitmap(const Bitmap& source, int sourceX, int sourceY, int width, int height, int destX,
                  int destY) override;
  void DrawText(std::u16string_view text, const TextRect& rect, const TextStyle& style,
                TextAlignment alignment) override;

 private:
  QPainter painter_;
  QtFontCache& fonts_;
  QtTextSurface text_;
};

}  // namespace solvane
