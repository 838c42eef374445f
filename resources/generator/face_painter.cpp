#include "face_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <utility>

#include "control_glyphs.h"
#include "palette.h"
#include "skin_geometry.h"

namespace skin_art {
namespace {

namespace geo = geometry;
namespace pal = palette;

QLinearGradient Vertical(qreal top, qreal bottom, const QColor& upper, const QColor& lower) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, upper);
    gradient.setColorAt(1, lower);
    return gradient;
}

void PaintLyricArea(QPainter& p) {
    const qreal top = -geo::kImageRowOfClientTop;
    const QRectF area(0, top, geo::kFaceWidth, geo::kDeckTop - top);
    QLinearGradient base(0, top, 0, geo::kDeckTop);
    base.setColorAt(0, pal::kLyricTop);
    base.setColorAt(0.55, pal::kLyricMiddle);
    base.setColorAt(1, pal::kLyricBottom);
    p.fillRect(area, base);

    // A faint cool light from above keeps the large dark field from looking flat.
    QRadialGradient glow(QPointF(120, top + 40), 190);
    glow.setColorAt(0, pal::kLyricGlow);
    glow.setColorAt(1, QColor(pal::kLyricGlow.red(), pal::kLyricGlow.green(), pal::kLyricGlow.blue(), 0));
    p.fillRect(area, glow);

    // The deck casts a short shadow onto the lyric area.
    QColor shadow = pal::kLyricEdgeShadow;
    QColor clear = shadow;
    clear.setAlpha(0);
    shadow.setAlpha(150);
    p.fillRect(QRectF(0, geo::kDeckTop - 5, geo::kFaceWidth, 5), Vertical(geo::kDeckTop - 5, geo::kDeckTop, clear, shadow));
}

void PaintDeck(QPainter& p) {
    const QRectF deck(0, geo::kDeckTop, geo::kFaceWidth, geo::kClientBottom - geo::kDeckTop);
    p.fillRect(deck, Vertical(geo::kDeckTop, geo::kDeckFlatFrom, pal::kDeckTop, pal::kDeckFlat));
    const QRectF edge(0, geo::kDeckTop, geo::kFaceWidth, 1);
    p.fillRect(edge, pal::kDeckEdgeLight);
    // The accent glows along the middle of the edge and fades to the sides.
    QLinearGradient glow(0, 0, geo::kFaceWidth, 0);
    QColor accent = pal::kAccentLight;
    accent.setAlpha(0);
    glow.setColorAt(0, accent);
    accent.setAlpha(170);
    glow.setColorAt(0.5, accent);
    accent.setAlpha(0);
    glow.setColorAt(1, accent);
    p.fillRect(edge, glow);
}

// A recessed groove with a light lip under it. Square-ended and even along
// its whole length, so a knob block matches it wherever it stands.
void PaintGroove(QPainter& p, const QRectF& groove) {
    p.fillRect(groove.translated(0, 1), pal::kGrooveLip);
    p.fillRect(groove, pal::kGroove);
}

void PaintSeekBar(QPainter& p, const FaceLook& look) {
    PaintGroove(p, geo::kSeekGroove);
    if (!look.seekKnobLeft) return;
    const QRectF knob(*look.seekKnobLeft + 1, geo::kSeekKnobRow + 1, geo::kSeekKnobWidth - 2, geo::kSeekKnobHeight - 2);
    p.setBrush(Vertical(knob.top(), knob.bottom(), pal::kSeekKnobLight, pal::kSeekKnobDark));
    p.drawRoundedRect(knob, 2, 2);
}

void PaintVolumeBar(QPainter& p, const FaceLook& look) {
    PaintGroove(p, geo::kVolumeGroove);
    if (!look.volumeKnobLeft) return;
    const QRectF knob(*look.volumeKnobLeft + 2, geo::kVolumeKnobRow + 1, geo::kVolumeKnobWidth - 4, geo::kVolumeKnobHeight - 2);
    p.setBrush(Vertical(knob.top(), knob.bottom(), pal::kKnobLight, pal::kKnobShade));
    p.drawRoundedRect(knob, 2.5, 2.5);
}

void PaintMute(QPainter& p, const FaceLook& look) {
    const QPointF origin = geo::kMuteIcon.topLeft();
    // Keep the icon off its overlay's border pixels.
    p.save();
    p.setClipRect(geo::kMuteIcon.adjusted(1, 1, -1, -1));
    const QColor colour = look.muted ? pal::kMuteOn : pal::kChipGlyphIdle;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(glyphs::Speaker(origin));
    p.setBrush(Qt::NoBrush);
    if (!look.muted) {
        p.setPen(QPen(colour, 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(glyphs::SpeakerWave(origin));
        p.restore();
        return;
    }
    // The slash is cut out of the speaker by a thin gap of deck colour.
    p.setPen(QPen(pal::kDeckFlat, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(glyphs::SpeakerSlash(origin));
    p.setPen(QPen(colour, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(glyphs::SpeakerSlash(origin));
    p.restore();
}

// A toggle chip: an outlined pill while off, a filled accent pill while on.
void PaintChip(QPainter& p, const QRectF& chip, bool on) {
    const qreal radius = chip.height() / 2;
    if (on) {
        p.setPen(Qt::NoPen);
        p.setBrush(Vertical(chip.top(), chip.bottom(), pal::kAccentLight, pal::kAccentDark));
        p.drawRoundedRect(chip, radius, radius);
    } else {
        p.setPen(QPen(pal::kChipOutline, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(chip.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
    }
}

void PaintArrowSymbol(QPainter& p, const glyphs::ArrowSymbol& symbol, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 1.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(symbol.strokes);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(symbol.heads);
}

void PaintToggles(QPainter& p, const FaceLook& look) {
    const auto glyphColour = [](bool on) { return on ? pal::kOnGlyph : pal::kChipGlyphIdle; };

    PaintChip(p, geo::kAbChip, look.abOn);
    p.setPen(Qt::NoPen);
    p.setBrush(glyphColour(look.abOn));
    p.drawPath(glyphs::Label("A-B", geo::kAbChip.center(), 9.5));

    PaintChip(p, geo::kRepeatChip, look.repeatOn);
    PaintArrowSymbol(p, glyphs::Repeat(geo::kRepeatChip.center()), glyphColour(look.repeatOn));

    PaintChip(p, geo::kShuffleChip, look.shuffleOn);
    PaintArrowSymbol(p, glyphs::Shuffle(geo::kShuffleChip.center()), glyphColour(look.shuffleOn));

    PaintChip(p, geo::kPlaylistChip, look.playlistOn);
    p.setPen(Qt::NoPen);
    p.setBrush(glyphColour(look.playlistOn));
    p.drawPath(glyphs::Label("PL", geo::kPlaylistChip.center(), 10.5));
}

// A small transport button: a bare symbol, on a soft disc while pressed.
struct SmallButton {
    QPainterPath symbol;
    QPointF discCentre;
    qreal discRadius;
};

void PaintSmallButton(QPainter& p, const SmallButton& button, bool pressed) {
    p.setPen(Qt::NoPen);
    if (pressed) {
        const qreal top = button.discCentre.y() - button.discRadius;
        p.setBrush(Vertical(top, top + 2 * button.discRadius, pal::kPressedDiscTop, pal::kPressedDiscBottom));
        p.drawEllipse(button.discCentre, button.discRadius, button.discRadius);
    }
    p.setBrush(pressed ? pal::kGlyphPressed : pal::kGlyphIdle);
    p.drawPath(button.symbol);
}

void PaintPlayButton(QPainter& p, const FaceLook& look) {
    const QPointF centre(geo::kPlayCentreX, geo::kTransportCentreY);
    const bool pressed = look.pressed == PressedButton::PlayPause;
    const qreal r = geo::kPlayRadius;
    p.setPen(Qt::NoPen);
    p.setBrush(pressed ? Vertical(centre.y() - r, centre.y() + r, pal::kAccentPressedLight, pal::kAccentPressedDark)
                       : Vertical(centre.y() - r, centre.y() + r, pal::kAccentLight, pal::kAccentDark));
    p.drawEllipse(centre, r, r);
    // A thin bright rim on the upper half gives the disc some depth.
    if (!pressed) {
        QLinearGradient rim(0, centre.y() - r, 0, centre.y());
        rim.setColorAt(0, QColor(255, 255, 255, 70));
        rim.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QBrush(rim), 0.8));
        p.drawEllipse(centre, r - 0.6, r - 0.6);
        p.setPen(Qt::NoPen);
    }
    p.setBrush(pressed ? pal::kGlyphPressed.lighter(125) : pal::kOnGlyph);
    p.drawPath(look.pauseSymbol ? glyphs::PauseBars(centre) : glyphs::PlayTriangle(centre));
}

void PaintTransport(QPainter& p, const FaceLook& look) {
    const qreal y = geo::kTransportCentreY;
    const auto small = [](QPainterPath symbol, qreal x) {
        return SmallButton{std::move(symbol), {x, geo::kPressedDiscCentreY}, geo::kPressedDiscRadius};
    };
    const auto pressed = [&](PressedButton b) { return look.pressed == b; };
    PaintSmallButton(p,
                     {glyphs::Eject({geo::kOpenCentreX, y}), {geo::kOpenCentreX, geo::kOpenPressedDiscCentreY},
                      geo::kOpenPressedDiscRadius},
                     pressed(PressedButton::Open));
    PaintSmallButton(p, small(glyphs::Previous({geo::kPreviousCentreX, y}), geo::kPreviousCentreX),
                     pressed(PressedButton::Previous));
    PaintPlayButton(p, look);
    PaintSmallButton(p, small(glyphs::StopSquare({geo::kStopCentreX, y}), geo::kStopCentreX), pressed(PressedButton::Stop));
    PaintSmallButton(p, small(glyphs::Next({geo::kNextCentreX, y}), geo::kNextCentreX), pressed(PressedButton::Next));
}

}  // namespace

QImage RenderFace(int scale, const FaceLook& look) {
    QImage image(geo::kFaceWidth * scale, geo::kFaceHeight * scale, QImage::Format_RGB32);
    image.fill(pal::kDeckFlat);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.translate(0, geo::kImageRowOfClientTop);
    PaintLyricArea(p);
    PaintDeck(p);
    PaintToggles(p, look);
    PaintSeekBar(p, look);
    PaintVolumeBar(p, look);
    PaintMute(p, look);
    PaintTransport(p, look);
    p.end();
    return image;
}

}  // namespace skin_art
