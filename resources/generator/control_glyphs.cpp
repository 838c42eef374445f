#include "control_glyphs.h"

#include <QFont>
#include <QPolygonF>

namespace skin_art::glyphs {
namespace {

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath Rect(qreal x, qreal y, qreal w, qreal h) {
    QPainterPath path;
    path.addRect(x, y, w, h);
    return path;
}

}  // namespace

QPainterPath Eject(QPointF c) {
    QPainterPath path = Polygon({{c.x() - 5.5, c.y() + 1}, {c.x() + 5.5, c.y() + 1}, {c.x(), c.y() - 5}});
    path.addRect(c.x() - 5.5, c.y() + 3, 11, 2);
    return path;
}

QPainterPath Previous(QPointF c) {
    QPainterPath path = Polygon({{c.x() + 5, c.y() - 5}, {c.x() + 5, c.y() + 5}, {c.x() - 3, c.y()}});
    path.addPath(Rect(c.x() - 5, c.y() - 5, 2, 10));
    return path;
}

QPainterPath Next(QPointF c) {
    QPainterPath path = Polygon({{c.x() - 5, c.y() - 5}, {c.x() - 5, c.y() + 5}, {c.x() + 3, c.y()}});
    path.addPath(Rect(c.x() + 3, c.y() - 5, 2, 10));
    return path;
}

QPainterPath PlayTriangle(QPointF c) {
    // Shifted right of the centre so the triangle looks centred in its disc.
    return Polygon({{c.x() - 3.5, c.y() - 5.5}, {c.x() - 3.5, c.y() + 5.5}, {c.x() + 6, c.y()}});
}

QPainterPath PauseBars(QPointF c) {
    QPainterPath path;
    path.addRoundedRect(c.x() - 4.5, c.y() - 5, 3, 10, 0.6, 0.6);
    path.addRoundedRect(c.x() + 1.5, c.y() - 5, 3, 10, 0.6, 0.6);
    return path;
}

QPainterPath StopSquare(QPointF c) {
    QPainterPath path;
    path.addRoundedRect(c.x() - 5, c.y() - 5, 10, 10, 1.5, 1.5);
    return path;
}

QPainterPath Speaker(QPointF o) {
    QPainterPath path = Polygon({{o.x() + 3, o.y() + 3.5},
                                 {o.x() + 6.5, o.y() + 1},
                                 {o.x() + 6.5, o.y() + 10},
                                 {o.x() + 3, o.y() + 7.5}});
    path.addRect(o.x() + 1, o.y() + 3.5, 2.5, 4);
    return path.simplified();
}

QPainterPath SpeakerWave(QPointF o) {
    QPainterPath path;
    const QRectF circle(o.x() + 2.5, o.y() + 3, 5.5, 5);
    path.arcMoveTo(circle, 50);
    path.arcTo(circle, 50, -100);
    return path;
}

QPainterPath SpeakerSlash(QPointF o) {
    QPainterPath path;
    path.moveTo(o.x() + 1, o.y() + 1.5);
    path.lineTo(o.x() + 9, o.y() + 9.5);
    return path;
}

ArrowSymbol Repeat(QPointF c) {
    const qreal x = c.x();
    const qreal y = c.y();
    ArrowSymbol symbol;
    symbol.strokes.moveTo(x - 5.5, y + 1);
    symbol.strokes.lineTo(x - 5.5, y - 1);
    symbol.strokes.quadTo(x - 5.5, y - 3.5, x - 3, y - 3.5);
    symbol.strokes.lineTo(x + 2.5, y - 3.5);
    symbol.strokes.moveTo(x + 5.5, y - 1);
    symbol.strokes.lineTo(x + 5.5, y + 1);
    symbol.strokes.quadTo(x + 5.5, y + 3.5, x + 3, y + 3.5);
    symbol.strokes.lineTo(x - 2.5, y + 3.5);
    symbol.heads = Polygon({{x + 2, y - 6.5}, {x + 2, y - 0.5}, {x + 5.5, y - 3.5}});
    symbol.heads.addPath(Polygon({{x - 2, y + 0.5}, {x - 2, y + 6.5}, {x - 5.5, y + 3.5}}));
    return symbol;
}

ArrowSymbol Shuffle(QPointF c) {
    const qreal x = c.x();
    const qreal y = c.y();
    ArrowSymbol symbol;
    symbol.strokes.moveTo(x - 6, y - 3.5);
    symbol.strokes.lineTo(x - 3.5, y - 3.5);
    symbol.strokes.lineTo(x + 0.5, y + 3.5);
    symbol.strokes.lineTo(x + 2.5, y + 3.5);
    symbol.strokes.moveTo(x - 6, y + 3.5);
    symbol.strokes.lineTo(x - 3.5, y + 3.5);
    symbol.strokes.lineTo(x + 0.5, y - 3.5);
    symbol.strokes.lineTo(x + 2.5, y - 3.5);
    symbol.heads = Polygon({{x + 2.5, y - 6}, {x + 2.5, y - 1}, {x + 5.5, y - 3.5}});
    symbol.heads.addPath(Polygon({{x + 2.5, y + 1}, {x + 2.5, y + 6}, {x + 5.5, y + 3.5}}));
    return symbol;
}

QPainterPath Label(const char* text, QPointF centre, qreal pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    font.setWeight(QFont::Bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath outline;
    outline.addText(0, 0, font, QString::fromLatin1(text));
    // Scale from the 100-pixel design size, centring on the glyphs' own box.
    const QRectF box = outline.boundingRect();
    const qreal scale = pixelSize / 100.0;
    QTransform place;
    place.translate(centre.x() - box.center().x() * scale, centre.y() - box.center().y() * scale);
    place.scale(scale, scale);
    return place.map(outline);
}

}  // namespace skin_art::glyphs
