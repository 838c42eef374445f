#include "resources/resource_paths.h"

namespace solvane {
namespace {

struct NumberedImage {
    int resourceId;
    const char* path;
};

constexpr NumberedImage kNumberedImages[] = {
    {151, kFaceImageResource},        {120, kSpriteSheetResource},     {162, kLargeSpriteSheetResource},
    {147, kProductLogoResource},      {155, kMakerLogoResource},       {135, kFolderIconResource},
    {136, kDocumentIconResource},     {166, kLargeFolderIconResource}, {164, kLargeDocumentIconResource},
};

}  // namespace

const char* BuiltInImagePath(int resourceId) {
    for (const NumberedImage& image : kNumberedImages) {
        if (image.resourceId == resourceId) return image.path;
    }
    return nullptr;
}

}  // namespace solvane
