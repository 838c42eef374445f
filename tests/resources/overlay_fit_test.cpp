// Each overlay is copied onto the face as a plain opaque block, so its edge
// must carry exactly the face behind it (no visible rectangle) at every place
// it can land, and its inside must show the active look.
#include <gtest/gtest.h>

#include <QImage>
#include <QPointF>
#include <algorithm>
#include <cmath>

#include "resources/resource_paths.h"
#include "tests/resources/artwork_files.h"
#include "tests/resources/overlay_table.h"

namespace {

using namespace artwork_test;

// The sheet is cut from the 240-pixel face, so there its edges match
// exactly; the 480-pixel face is drawn natively while the large sheet is
// pixel-doubled, which leaves at most faint rounding differences.
constexpr int kSeamToleranceSmall = 1;
constexpr int kSeamToleranceLarge = 3;

struct SkinAtScale {
    int scale;
    QImage face;
    QImage sheet;
    int tolerance;
};

const SkinAtScale& Skin(int scale) {
    static const SkinAtScale small{1, LoadImage(QString::fromLatin1(solvane::kFaceImageResource)),
                                   LoadImage(QString::fromLatin1(solvane::kSpriteSheetResource)), kSeamToleranceSmall};
    static const SkinAtScale large{2, WideFace(), LoadImage(QString::fromLatin1(solvane::kLargeSpriteSheetResource)),
                                   kSeamToleranceLarge};
    return scale == 1 ? small : large;
}

// The largest channel difference between the block's outermost ring of
// pixels and the face under it.
int EdgeMismatch(const SkinAtScale& skin, const QRect& sheetRect, const QRect& faceRect) {
    int worst = 0;
    for (int dy = 0; dy < sheetRect.height(); ++dy) {
        for (int dx = 0; dx < sheetRect.width(); ++dx) {
            const bool onEdge = dy == 0 || dx == 0 || dy == sheetRect.height() - 1 || dx == sheetRect.width() - 1;
            if (!onEdge) continue;
            worst = std::max(worst, ChannelDistance(skin.sheet.pixel(sheetRect.x() + dx, sheetRect.y() + dy),
                                                    skin.face.pixel(faceRect.x() + dx, faceRect.y() + dy)));
        }
    }
    return worst;
}

class OverlayFitTest : public testing::TestWithParam<int> {
protected:
    void SetUp() override {
        ASSERT_FALSE(Skin(GetParam()).face.isNull());
        ASSERT_FALSE(Skin(GetParam()).sheet.isNull());
    }
};

TEST_P(OverlayFitTest, EveryOverlayEdgeBlendsIntoTheFaceWhereverItLands) {
    const SkinAtScale& skin = Skin(GetParam());
    for (const OverlayCase& overlay : kOverlays) {
        const QRect sheetRect = SheetRect(overlay, skin.scale);
        ASSERT_TRUE(skin.sheet.rect().contains(sheetRect)) << overlay.name;
        for (int offset = 0; offset <= KnobTravel(overlay.knob, skin.scale); ++offset) {
            const QRect faceRect = FaceRect(overlay, skin.scale, offset);
            ASSERT_TRUE(skin.face.rect().contains(faceRect)) << overlay.name << " at offset " << offset;
            EXPECT_LE(EdgeMismatch(skin, sheetRect, faceRect), skin.tolerance)
                << overlay.name << " at offset " << offset << ", scale " << skin.scale;
        }
    }
}

TEST_P(OverlayFitTest, EveryOverlayShowsAVisibleChange) {
    const SkinAtScale& skin = Skin(GetParam());
    constexpr int kVisible = 40;
    for (const OverlayCase& overlay : kOverlays) {
        const QRect sheetRect = SheetRect(overlay, skin.scale);
        const QRect faceRect = FaceRect(overlay, skin.scale, 0);
        int changed = 0;
        for (int dy = 0; dy < sheetRect.height(); ++dy) {
            for (int dx = 0; dx < sheetRect.width(); ++dx) {
                if (ChannelDistance(skin.sheet.pixel(sheetRect.x() + dx, sheetRect.y() + dy),
                                    skin.face.pixel(faceRect.x() + dx, faceRect.y() + dy)) > kVisible) {
                    ++changed;
                }
            }
        }
        EXPECT_GE(changed, 8 * skin.scale * skin.scale) << overlay.name << ", scale " << skin.scale;
    }
}

// The centre of everything in a block that stands out from the plain deck,
// each pixel weighted by how far it stands out. Column 1 of the face shows the
// deck of each row.
QPointF InkCentre(const QImage& image, const QRect& block, const QImage& face, int faceTop, int scale) {
    double sumX = 0;
    double sumY = 0;
    double weight = 0;
    for (int dy = 0; dy < block.height(); ++dy) {
        const QRgb deck = face.pixel(scale, faceTop + dy);
        for (int dx = 0; dx < block.width(); ++dx) {
            const int ink = ChannelDistance(image.pixel(block.x() + dx, block.y() + dy), deck);
            sumX += ink * dx;
            sumY += ink * dy;
            weight += ink;
        }
    }
    return weight > 0 ? QPointF(sumX / weight, sumY / weight) : QPointF(-100, -100);
}

TEST_P(OverlayFitTest, EveryActiveLookSitsOnItsIdleControl) {
    const SkinAtScale& skin = Skin(GetParam());
    for (const OverlayCase& overlay : kOverlays) {
        if (overlay.knob != Knob::None) continue;  // the face shows no knob
        const QRect faceRect = FaceRect(overlay, skin.scale, 0);
        const QPointF idle = InkCentre(skin.face, faceRect, skin.face, faceRect.y(), skin.scale);
        const QPointF active = InkCentre(skin.sheet, SheetRect(overlay, skin.scale), skin.face, faceRect.y(), skin.scale);
        const QPointF shift = (active - idle) / skin.scale;
        EXPECT_LE(std::hypot(shift.x(), shift.y()), 1.5)
            << overlay.name << ", scale " << skin.scale << ": the active look is off by (" << shift.x() << ", "
            << shift.y() << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(BothSkinScales, OverlayFitTest, testing::Values(1, 2));

}  // namespace
