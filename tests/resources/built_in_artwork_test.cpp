// The built-in bitmaps and icons: present in the resources under their
// numbers, at their exact sizes and colour depths, and the large sprite
// sheet derived from the small one pixel by pixel.
#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>

#include "resources/resource_paths.h"
#include "tests/resources/artwork_files.h"

namespace {

using artwork_test::BmpBitsPerPixel;
using artwork_test::LoadImage;

struct BuiltInImage {
    int resourceId;
    int width;
    int height;
    int bmpBits;  // 0 for the PNG icons
};

constexpr BuiltInImage kBuiltInImages[] = {
    {151, 240, 348, 24},  // face image
    {120, 240, 134, 24},  // sprite sheet
    {162, 480, 183, 24},  // large sprite sheet
    {147, 32, 28, 24},    // product logo
    {155, 67, 21, 24},    // maker logo
    {135, 16, 16, 0},     // folder icon
    {136, 16, 16, 0},     // document icon
    {166, 32, 32, 0},     // large folder icon
    {164, 32, 32, 0},     // large document icon
};

class BuiltInImageTest : public testing::TestWithParam<BuiltInImage> {};

TEST_P(BuiltInImageTest, HasItsExactSizeAndDepth) {
    const BuiltInImage& expected = GetParam();
    const char* path = solvane::BuiltInImagePath(expected.resourceId);
    ASSERT_NE(path, nullptr);
    const QString name = QString::fromLatin1(path);
    const QImage image = LoadImage(name);
    ASSERT_FALSE(image.isNull()) << path;
    EXPECT_EQ(image.width(), expected.width) << path;
    EXPECT_EQ(image.height(), expected.height) << path;
    if (expected.bmpBits != 0) {
        EXPECT_EQ(BmpBitsPerPixel(name), expected.bmpBits) << path;
    } else {
        EXPECT_EQ(QImageReader(name).format(), "png") << path;
        EXPECT_TRUE(image.hasAlphaChannel()) << path;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << path << ": the corner should be see-through";
    }
}

INSTANTIATE_TEST_SUITE_P(Resources, BuiltInImageTest, testing::ValuesIn(kBuiltInImages));

TEST(BuiltInImagePathTest, KnowsNoOtherNumbers) {
    for (const int id : {0, 102, 103, 105, 129, 150, 152, 163, 165, 167}) {
        EXPECT_EQ(solvane::BuiltInImagePath(id), nullptr) << id;
    }
}

TEST(LargeSpriteSheetTest, IsTheSmallSheetWithEveryPixelDoubled) {
    const QImage small = LoadImage(QString::fromLatin1(solvane::kSpriteSheetResource));
    const QImage large = LoadImage(QString::fromLatin1(solvane::kLargeSpriteSheetResource));
    ASSERT_EQ(large.size(), QSize(480, 183));
    int mismatches = 0;
    for (int y = 0; y < large.height(); ++y) {
        for (int x = 0; x < large.width(); ++x) {
            if (large.pixel(x, y) != small.pixel(x / 2, y / 2)) ++mismatches;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(WideFaceTest, TheBuildPlacedItBesideTheProgram) {
    QFile placed(QStringLiteral(SOLVANE_WIDE_FACE_BESIDE_PROGRAM));
    QFile source(QStringLiteral(SOLVANE_WIDE_FACE_SOURCE));
    ASSERT_TRUE(placed.open(QIODevice::ReadOnly)) << SOLVANE_WIDE_FACE_BESIDE_PROGRAM;
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    EXPECT_TRUE(placed.readAll() == source.readAll()) << "the copy beside the program is stale";
}

TEST(WideFaceTest, IsA24BitBmpTwiceTheSmallFace) {
    const QString path = QStringLiteral(SOLVANE_WIDE_FACE_BESIDE_PROGRAM);
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), "bmp");
    const QImage face = artwork_test::WideFace();
    ASSERT_FALSE(face.isNull());
    EXPECT_EQ(face.size(), QSize(480, 696));
    EXPECT_EQ(BmpBitsPerPixel(path), 24);
}

}  // namespace
