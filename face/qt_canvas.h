#pragma once
// The canvas on a QPainter, for one paint. The only place that draws the
// face: bitmaps and text, both with QPainter; text from the lines kept
// shaped in the font cache.

#include <QPainter>
#include <QRect>
#include <QRegion>
#include <string_view>

#include "face/canvas.h"
#include "face/compose_frame.h"
#include "face/qt_fonts.h"

namespace solvane {

// The same rectangle as Qt holds rectangles.
QRect QRectOf(const TextRect& rect);

class QtCanvas final : public Canvas {
 public:
  // Paints with `painter`. `region` is where the paint shows (the painter
  // is clipped to it): what lies wholly outside it is skipped, and text there
  // is not shaped. Bitmaps given to it must be QtBitmaps; any other kind is
  // skipped.
  QtCanvas(QPainter& painter, QtFontCache& fonts, const QRegion& region);

  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  void CopyBitmap(const Bitmap& source, int sourceX, int sourceY, int width, int height, int destX,
                  int destY) override;
  // The text's cell stands at the top of `rect`: its baseline lies the
  // font's cell ascent below the top, so accents of capitals fall inside.
  void DrawText(std::u16string_view text, const TextRect& rect, const TextStyle& style,
                TextAlignment alignment) override;

 private:
  QPainter& painter_;
  QtFontCache& fonts_;
  QRegion region_;
};

// One paint: composes the whole frame of the face with `painter`, which
// stands at the client origin, within `region` only (nothing outside it is
// touched), then lets the font cache drop the lines the frame no longer
// shows.
void PaintFace(QPainter& painter, const FaceFrame& frame, QtFontCache& fonts,
               const QRegion& region);

}  // namespace solvane
