// The idle face: every control stands inside the place the player taps and
// overlays it, the time-text corner is plain, and both lyric colours and the
// time colour read on the skin behind them.
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <vector>

#include "resources/resource_paths.h"
#include "tests/resources/artwork_files.h"
#include "tests/resources/overlay_table.h"

namespace {

using namespace artwork_test;

const QImage& Face(int scale) {
    static const QImage small = LoadImage(QString::fromLatin1(solvane::kFaceImageResource));
    static const QImage large = WideFace();
    return scale == 1 ? small : large;
}

// Inclusive base-unit boxes (client rows of a short screen).
struct Box {
    const char* name;
    int left, top, right, bottom;
};

// Where the player looks for a tap on each control (bounds made inclusive).
constexpr Box kTapRegions[] = {
    {"open", 6, 237, 28, 260},     {"previous", 41, 237, 60, 260}, {"play/pause", 73, 237, 99, 260},
    {"stop", 112, 237, 130, 260},  {"next", 143, 237, 160, 260},   {"volume bar", 181, 236, 237, 247},
    {"A-B", 8, 219, 27, 232},      {"repeat", 153, 219, 172, 232}, {"shuffle", 180, 219, 199, 232},
    {"playlist", 206, 219, 234, 232}, {"seek bar", 35, 220, 147, 229}, {"mute", 170, 239, 180, 249},
};

constexpr int kDeckCheckTop = 211;  // below the deck's top edge line
constexpr int kClientBottom = 267;
constexpr int kLyricAreaBottom = 208;

QRect ToFace(const Box& box, int scale) {
    return {box.left * scale, (box.top + kFaceRowOfClientTop) * scale, (box.right - box.left + 1) * scale,
            (box.bottom - box.top + 1) * scale};
}

// The deck is even across each row wherever no control stands; column 1 is clear.
QRgb DeckBackground(const QImage& face, int y, int scale) { return face.pixel(scale, y); }

double Luminance(QRgb c) {
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class FaceRegionsTest : public testing::TestWithParam<int> {
protected:
    void SetUp() override { ASSERT_FALSE(Face(GetParam()).isNull()); }
};

TEST_P(FaceRegionsTest, NothingOnTheDeckStandsOutsideItsControl) {
    const int s = GetParam();
    const QImage& face = Face(s);
    std::vector<QRect> allowed;
    for (const OverlayCase& overlay : kOverlays) {
        if (overlay.knob == Knob::None) allowed.push_back(FaceRect(overlay, s, 0));
    }
    for (const Box& region : kTapRegions) allowed.push_back(ToFace(region, s));

    int strayPixels = 0;
    QPoint firstStray;
    for (int y = (kDeckCheckTop + kFaceRowOfClientTop) * s; y < face.height(); ++y) {
        const QRgb background = DeckBackground(face, y, s);
        for (int x = 0; x < face.width(); ++x) {
            if (ChannelDistance(face.pixel(x, y), background) <= 3) continue;
            const QPoint point(x, y);
            if (std::none_of(allowed.begin(), allowed.end(), [&](const QRect& r) { return r.contains(point); })) {
                if (strayPixels++ == 0) firstStray = point;
            }
        }
    }
    EXPECT_EQ(strayPixels, 0) << "first at face pixel (" << firstStray.x() << ", " << firstStray.y() << ")";
}

TEST_P(FaceRegionsTest, EveryTapRegionShowsItsControl) {
    const int s = GetParam();
    const QImage& face = Face(s);
    for (const Box& region : kTapRegions) {
        const QRect area = ToFace(region, s);
        int marked = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (ChannelDistance(face.pixel(x, y), DeckBackground(face, y, s)) > 24) ++marked;
            }
        }
        EXPECT_GE(marked, 12 * s * s) << region.name << ", scale " << s;
    }
}

TEST_P(FaceRegionsTest, TheTimeTextCornerIsPlain) {
    const int s = GetParam();
    const QImage& face = Face(s);
    const QRect corner = ToFace({"time text", 165, 250, 239, kClientBottom}, s);
    const QRgb timeColour = qRgb(58, 103, 222);
    for (int y = corner.top(); y <= corner.bottom(); ++y) {
        const QRgb background = DeckBackground(face, y, s);
        EXPECT_GE(Contrast(timeColour, background), 2.5) << "row " << y;
        for (int x = corner.left(); x <= corner.right(); ++x) {
            ASSERT_LE(ChannelDistance(face.pixel(x, y), background), 2) << "at (" << x << ", " << y << ")";
        }
    }
}

TEST_P(FaceRegionsTest, TheLyricAreaIsCalmAndBothTextColoursRead) {
    const int s = GetParam();
    const QImage& face = Face(s);
    const QRgb rowText = qRgb(103, 105, 118);
    const QRgb currentLine = qRgb(254, 252, 180);
    double weakestRowText = 100;
    double weakestCurrentLine = 100;
    int steepestStep = 0;
    const int bottom = (kLyricAreaBottom + kFaceRowOfClientTop) * s;
    for (int y = 0; y <= bottom; ++y) {
        for (int x = 0; x < face.width(); ++x) {
            const QRgb pixel = face.pixel(x, y);
            weakestRowText = std::min(weakestRowText, Contrast(rowText, pixel));
            weakestCurrentLine = std::min(weakestCurrentLine, Contrast(currentLine, pixel));
            if (x > 0) steepestStep = std::max(steepestStep, ChannelDistance(pixel, face.pixel(x - 1, y)));
            if (y > 0) steepestStep = std::max(steepestStep, ChannelDistance(pixel, face.pixel(x, y - 1)));
        }
    }
    EXPECT_GE(weakestRowText, 2.4);
    EXPECT_GE(weakestCurrentLine, 9.0);
    EXPECT_LE(steepestStep, 3) << "the lyric area should hold no edges or patterns";
}

INSTANTIATE_TEST_SUITE_P(BothSkinScales, FaceRegionsTest, testing::Values(1, 2));

}  // namespace
