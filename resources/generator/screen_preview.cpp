#include "screen_preview.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

#include "sprite_sheet.h"

namespace skin_art {
namespace {

bool Shows(Overlay overlay, const PreviewScene& scene) {
    switch (overlay) {
        case Overlay::VolumeKnob:
        case Overlay::SeekKnob: return true;
        case Overlay::PauseSymbol: return scene.playing;
        case Overlay::PressedPause: return scene.pressed == PressedButton::PlayPause && scene.playing;
        case Overlay::PressedPlay: return scene.pressed == PressedButton::PlayPause && !scene.playing;
        case Overlay::PressedOpen: return scene.pressed == PressedButton::Open;
        case Overlay::PressedPrevious: return scene.pressed == PressedButton::Previous;
        case Overlay::PressedStop: return scene.pressed == PressedButton::Stop;
        case Overlay::PressedNext: return scene.pressed == PressedButton::Next;
        case Overlay::MuteIcon: return scene.muted;
        case Overlay::AbIcon: return scene.abOn;
        case Overlay::RepeatIcon: return scene.repeatOn;
        case Overlay::ShuffleIcon: return scene.shuffleOn;
        case Overlay::PlaylistIcon: return scene.playlistOn;
    }
    return false;
}

// How far a knob stands from its overlay's destination, as the player computes it.
int KnobShift(Overlay overlay, int s, const PreviewScene& scene) {
    if (overlay == Overlay::VolumeKnob) {
        int offset = 56 * s * scene.volume / 100;
        if (offset > 9 * s) offset -= 9 * s / 2;
        return std::min(offset, 47 * s + 1);
    }
    if (overlay == Overlay::SeekKnob) return scene.seekPercent * (100 * s - 2) / 100;
    return 0;
}

QFont Tahoma(int cellHeight, int weight) {
    QFont font(QStringLiteral("Tahoma"));
    // A character-cell height; Tahoma's em is about 83 % of its cell.
    font.setPixelSize(cellHeight * 83 / 100);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

void DrawSampleText(QPainter& p, int s, bool tall, int width, int clientHeight) {
    static const char* const kLines[] = {
        "Walking down the river road",  "where the willows bend and sway", "every stone a word I know",
        "every light a yesterday",      "Hold the lantern, hold it high", "let the evening find its way",
        "there's a song beneath the sky", "and it carries me away",        "Walking down the river road",
        "where the willows bend and sway", "every stone a word I know",    "every light a yesterday",
    };
    const int rows = tall ? 12 : 9;
    p.setFont(Tahoma(20 * s, 500));
    for (int i = 0; i < rows; ++i) {
        p.setPen(i == 3 ? QColor(254, 252, 180) : QColor(103, 105, 118));
        p.drawText(QRect(0, s * (22 * i + 4), width, clientHeight - s * (22 * i + 4)),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, QLatin1String(kLines[i]));
    }
    p.setFont(Tahoma(14 * s, 400));
    p.setPen(QColor(58, 103, 222));
    const int top = (tall ? 330 : 250) * s;
    p.drawText(QRect(0, top, 207 * s, clientHeight - top), Qt::AlignRight | Qt::AlignTop, QStringLiteral("01:32/"));
    p.drawText(QRect(0, top, 240 * s, clientHeight - top), Qt::AlignRight | Qt::AlignTop, QStringLiteral("03:47"));
}

}  // namespace

QImage ComposeScreen(const QImage& face, const QImage& sheet, int s, bool tall, const PreviewScene& scene) {
    const int width = 240 * s;
    const int clientHeight = (tall ? 400 : 320) * s - 52 * s;
    QImage screen(width, clientHeight, QImage::Format_RGB32);
    QPainter p(&screen);
    p.drawImage(QPoint(0, 0), face, QRect(0, tall ? 0 : 80 * s, width, clientHeight));
    const int rowShift = tall ? 80 : 0;
    for (const OverlaySprite& sprite : OverlaySprites()) {
        if (!Shows(sprite.overlay, scene)) continue;
        const QRect source(sprite.source.x() * s, sprite.source.y() * s, sprite.source.width() * s,
                           sprite.source.height() * s);
        const QPoint target(sprite.target.x() * s + KnobShift(sprite.overlay, s, scene), (sprite.target.y() + rowShift) * s);
        p.drawImage(target, sheet, source);
    }
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawSampleText(p, s, tall, width, clientHeight);
    return screen;
}

}  // namespace skin_art
