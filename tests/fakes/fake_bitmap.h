#pragma once
// A bitmap with a size and a name, and nothing else: enough for drawing code
// to place it and for a test to tell bitmaps apart.

#include <string>
#include <utility>

#include "skin/bitmap.h"

namespace solvane::testing {

class FakeBitmap final : public Bitmap {
 public:
  FakeBitmap(std::string name, int width, int height)
      : name_(std::move(name)), width_(width), height_(height) {}

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  const std::string& Name() const { return name_; }

 private:
  std::string name_;
  int width_;
  int height_;
};

}  // namespace solvane::testing
