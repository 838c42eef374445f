#include "sprite_sheet.h"

#include <QPainter>

#include "face_painter.h"
#include "palette.h"
#include "skin_geometry.h"

namespace skin_art {
namespace {

FaceLook Pressed(PressedButton button, bool pauseSymbol = false) {
    FaceLook look;
    look.pressed = button;
    look.pauseSymbol = pauseSymbol;
    return look;
}

template <typename Setter>
FaceLook With(Setter set) {
    FaceLook look;
    set(look);
    return look;
}

}  // namespace

const std::vector<OverlaySprite>& OverlaySprites() {
    static const std::vector<OverlaySprite> sprites = {
        {Overlay::VolumeKnob, "volume knob", {204, 29, 9, 12}, {181, 239}, With([](FaceLook& l) { l.volumeKnobLeft = 181; })},
        {Overlay::SeekKnob, "seek knob", {40, 12, 12, 6}, {37, 222}, With([](FaceLook& l) { l.seekKnobLeft = 37; })},
        {Overlay::PauseSymbol, "pause symbol", {0, 58, 29, 26}, {72, 236}, With([](FaceLook& l) { l.pauseSymbol = true; })},
        {Overlay::PressedOpen, "pressed open", {4, 25, 27, 25}, {6, 237}, Pressed(PressedButton::Open)},
        {Overlay::PressedPrevious, "pressed previous", {39, 28, 22, 22}, {41, 240}, Pressed(PressedButton::Previous)},
        {Overlay::PressedPause, "pressed pause", {27, 56, 31, 28}, {72, 236}, Pressed(PressedButton::PlayPause, true)},
        {Overlay::PressedPlay, "pressed play", {70, 24, 31, 28}, {72, 236}, Pressed(PressedButton::PlayPause)},
        {Overlay::PressedStop, "pressed stop", {110, 29, 21, 21}, {112, 241}, Pressed(PressedButton::Stop)},
        {Overlay::PressedNext, "pressed next", {140, 29, 22, 21}, {142, 241}, Pressed(PressedButton::Next)},
        {Overlay::MuteIcon, "mute icon", {170, 29, 10, 11}, {170, 239}, With([](FaceLook& l) { l.muted = true; })},
        {Overlay::AbIcon, "A-B icon", {7, 8, 22, 16}, {7, 218}, With([](FaceLook& l) { l.abOn = true; })},
        {Overlay::RepeatIcon, "repeat icon", {152, 7, 22, 17}, {152, 217}, With([](FaceLook& l) { l.repeatOn = true; })},
        {Overlay::ShuffleIcon, "shuffle icon", {179, 7, 22, 17}, {179, 217}, With([](FaceLook& l) { l.shuffleOn = true; })},
        {Overlay::PlaylistIcon, "playlist icon", {205, 7, 31, 17}, {205, 217}, With([](FaceLook& l) { l.playlistOn = true; })},
    };
    return sprites;
}

QImage BuildSpriteSheet(QString& conflicts) {
    QImage sheet(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
    sheet.fill(palette::kDeckFlat);
    // Which sprite wrote each sheet pixel, to check shared pixels agree.
    std::vector<const OverlaySprite*> owner(static_cast<size_t>(kSheetWidth * kSheetHeight), nullptr);

    for (const OverlaySprite& sprite : OverlaySprites()) {
        const QImage face = RenderFace(1, sprite.look);
        const int faceTop = sprite.target.y() + geometry::kImageRowOfClientTop;
        for (int dy = 0; dy < sprite.source.height(); ++dy) {
            for (int dx = 0; dx < sprite.source.width(); ++dx) {
                const int sx = sprite.source.x() + dx;
                const int sy = sprite.source.y() + dy;
                const QRgb pixel = face.pixel(sprite.target.x() + dx, faceTop + dy);
                const OverlaySprite*& previous = owner[static_cast<size_t>(sy * kSheetWidth + sx)];
                if (previous != nullptr && sheet.pixel(sx, sy) != pixel) {
                    conflicts += QStringLiteral("%1 and %2 disagree at sheet (%3, %4)\n")
                                     .arg(QLatin1String(previous->name), QLatin1String(sprite.name))
                                     .arg(sx)
                                     .arg(sy);
                }
                sheet.setPixel(sx, sy, pixel);
                previous = &sprite;
            }
        }
    }
    return sheet;
}

QImage DoublePixels(const QImage& image, int rows) {
    QImage doubled(image.width() * 2, rows, QImage::Format_RGB32);
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < doubled.width(); ++x) {
            doubled.setPixel(x, y, image.pixel(x / 2, y / 2));
        }
    }
    return doubled;
}

}  // namespace skin_art
