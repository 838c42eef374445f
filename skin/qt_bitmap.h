#pragma once
// A skin bitmap held as a QImage in the frame's pixel format, so that block
// copies of it are plain row copies.

#include <QImage>

#include "skin/bitmap.h"

namespace solvane {

class QtBitmap final : public Bitmap {
 public:
  explicit QtBitmap(const QImage& image) : image_(image.convertToFormat(QImage::Format_RGB32)) {}

  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
};

}  // namespace solvane
