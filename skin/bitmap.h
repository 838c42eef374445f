#pragma once
// A loaded bitmap as the core sees it: an opaque handle that knows its size.
// The platform layer behind the skin-image and canvas seams gives it pixels.

namespace solvane {

class Bitmap {
 public:
  virtual ~Bitmap() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

}  // namespace solvane
