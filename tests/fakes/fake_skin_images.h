#pragma once
// Skin images from a script: the built-in bitmaps always load (unless a test
// says otherwise), files load only when the test put them there, named by their path. Every request
// is recorded.

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "skin/skin_images.h"
#include "tests/fakes/fake_bitmap.h"

namespace solvane::testing {

struct FakeImageFile {
  int width;
  int height;
};

class FakeSkinImages final : public SkinImages {
 public:
  std::map<std::u16string, FakeImageFile> files;  // path -> image there
  std::set<BuiltInBitmap> missingBuiltIns;
  std::vector<BuiltInBitmap> builtInRequests;
  std::vector<std::u16string> fileRequests;

  std::unique_ptr<Bitmap> LoadBuiltIn(BuiltInBitmap which) override {
    builtInRequests.push_back(which);
    if (missingBuiltIns.count(which) != 0) {
      return nullptr;
    }
    switch (which) {
      case BuiltInBitmap::kFaceImage:
        return std::make_unique<FakeBitmap>("face151", 240, 348);
      case BuiltInBitmap::kSpriteSheet:
        return std::make_unique<FakeBitmap>("sprites120", 240, 134);
      case BuiltInBitmap::kDoubleSpriteSheet:
        return std::make_unique<FakeBitmap>("sprites162", 480, 183);
    }
    return nullptr;
  }

  std::unique_ptr<Bitmap> LoadFile(std::u16string_view path) override {
    fileRequests.emplace_back(path);
    const auto found = files.find(std::u16string(path));
    if (found == files.end()) {
      return nullptr;
    }
    std::string name;  // the test paths are ASCII
    for (const char16_t unit : path) {
      name.push_back(static_cast<char>(unit));
    }
    return std::make_unique<FakeBitmap>(name, found->second.width, found->second.height);
  }
};

}  // namespace solvane::testing
