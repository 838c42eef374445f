// Vector outlines of the face's symbols, in base units around a centre
// point. Straight edges sit on whole or half pixels so the symbols stay crisp
// at the 240-pixel size; the 480-pixel face draws the same outlines doubled.
#pragma once

#include <QPainterPath>
#include <QPointF>

namespace skin_art::glyphs {

QPainterPath Eject(QPointF centre);
QPainterPath Previous(QPointF centre);
QPainterPath Next(QPointF centre);
QPainterPath PlayTriangle(QPointF centre);
QPainterPath PauseBars(QPointF centre);
QPainterPath StopSquare(QPointF centre);

// Filled speaker (body and cone) inside the mute toggle's 10 x 11 box.
QPainterPath Speaker(QPointF topLeft);
// Stroked sound wave beside the speaker (idle) or slash across it (muted).
QPainterPath SpeakerWave(QPointF topLeft);
QPainterPath SpeakerSlash(QPointF topLeft);

// Stroked parts and filled arrowheads of the repeat and shuffle symbols.
struct ArrowSymbol {
    QPainterPath strokes;
    QPainterPath heads;
};
ArrowSymbol Repeat(QPointF centre);
ArrowSymbol Shuffle(QPointF centre);

// A short label ("A-B", "PL") as a filled outline centred on a point.
QPainterPath Label(const char* text, QPointF centre, qreal pixelSize);

}  // namespace skin_art::glyphs
