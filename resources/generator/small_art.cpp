#include "small_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "palette.h"

namespace skin_art {
namespace {

namespace pal = palette;

QLinearGradient Vertical(qreal top, qreal bottom, const QColor& upper, const QColor& lower) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, upper);
    gradient.setColorAt(1, lower);
    return gradient;
}

void PaintDarkTile(QPainter& p, const QRectF& tile) {
    p.fillRect(tile, Vertical(tile.top(), tile.bottom(), pal::kLyricTop, pal::kLyricBottom));
    p.fillRect(QRectF(tile.left(), tile.top(), tile.width(), 1), pal::kDeckEdgeLight);
}

// An eighth note: a tilted oval head, a stem and a curling flag. `head` is
// the centre of the note head, `size` the height from head centre to stem top.
void PaintNote(QPainter& p, QPointF head, qreal size, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.save();
    p.translate(head);
    p.rotate(-22);
    p.drawEllipse(QPointF(0, 0), size * 0.34, size * 0.24);
    p.restore();
    const qreal stemWidth = size * 0.12;
    const qreal stemRight = head.x() + size * 0.33;
    const qreal top = head.y() - size;
    p.drawRect(QRectF(stemRight - stemWidth, top, stemWidth, size));
    QPainterPath flag;
    flag.moveTo(stemRight - stemWidth * 0.5, top);
    flag.cubicTo(stemRight + size * 0.05, top + size * 0.22, stemRight + size * 0.5, top + size * 0.3,
                 stemRight + size * 0.3, top + size * 0.7);
    flag.cubicTo(stemRight + size * 0.36, top + size * 0.45, stemRight + size * 0.15, top + size * 0.4,
                 stemRight - stemWidth * 0.5, top + size * 0.36);
    flag.closeSubpath();
    p.drawPath(flag);
}

QImage TransparentCanvas(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

QImage ProductLogo() {
    QImage image(32, 28, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintDarkTile(p, QRectF(0, 0, 32, 28));
    // A note beside three lyric lines, the middle one lit like the current line.
    PaintNote(p, QPointF(8, 19.5), 12, pal::kAccentLight);
    p.fillRect(QRectF(18, 8, 10, 2), QColor(103, 105, 118));
    p.fillRect(QRectF(18, 13, 11, 2), QColor(254, 252, 180));
    p.fillRect(QRectF(18, 18, 8, 2), QColor(103, 105, 118));
    return image;
}

QImage MakerLogo() {
    QImage image(67, 21, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintDarkTile(p, QRectF(0, 0, 67, 21));
    // A mark of two rising bars, then the name.
    p.setPen(Qt::NoPen);
    p.setBrush(Vertical(5, 16, pal::kAccentLight, pal::kAccentDark));
    p.drawRoundedRect(QRectF(4, 8, 3, 8), 1, 1);
    p.drawRoundedRect(QRectF(8, 5, 3, 11), 1, 1);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setWeight(QFont::DemiBold);
    p.setFont(font);
    p.setPen(pal::kOnGlyph);
    p.drawText(QRectF(14, 0, 52, 21), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Morwick"));
    return image;
}

QImage FolderIcon(int size) {
    QImage image = TransparentCanvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    p.setPen(Qt::NoPen);
    // Back with its tab, then the front flap a shade lighter.
    QPainterPath back;
    back.moveTo(1, 3.5);
    back.quadTo(1, 2.5, 2, 2.5);
    back.lineTo(6, 2.5);
    back.lineTo(7.5, 4);
    back.lineTo(14, 4);
    back.quadTo(15, 4, 15, 5);
    back.lineTo(15, 13);
    back.quadTo(15, 14, 14, 14);
    back.lineTo(2, 14);
    back.quadTo(1, 14, 1, 13);
    back.closeSubpath();
    p.setBrush(QColor(205, 140, 40));
    p.drawPath(back);
    p.setBrush(Vertical(5.5, 14, QColor(255, 206, 100), QColor(240, 170, 60)));
    p.drawRoundedRect(QRectF(1, 5.5, 14, 8.5), 1, 1);
    p.fillRect(QRectF(1.5, 5.5, 13, 1), QColor(255, 226, 150));
    return image;
}

QImage DocumentIcon(int size) {
    QImage image = TransparentCanvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    QPainterPath page;
    page.moveTo(2.5, 1.5);
    page.lineTo(9.5, 1.5);
    page.lineTo(13.5, 5.5);
    page.lineTo(13.5, 14.5);
    page.lineTo(2.5, 14.5);
    page.closeSubpath();
    p.setPen(QPen(QColor(108, 116, 134), 1));
    p.setBrush(Vertical(1.5, 14.5, QColor(255, 255, 255), QColor(232, 236, 242)));
    p.drawPath(page);
    QPainterPath fold;
    fold.moveTo(9.5, 1.5);
    fold.lineTo(9.5, 5.5);
    fold.lineTo(13.5, 5.5);
    p.setBrush(QColor(214, 220, 230));
    p.drawPath(fold);
    PaintNote(p, QPointF(7, 11.5), 6.5, pal::kAccentDark);
    return image;
}

QImage ApplicationIcon(int size) {
    QImage image = TransparentCanvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    // The product logo's picture on a rounded tile: a note beside three lyric
    // lines, the middle one lit like the current line.
    p.setPen(Qt::NoPen);
    p.setBrush(Vertical(1, 31, pal::kLyricTop, pal::kLyricBottom));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    PaintNote(p, QPointF(9, 21.5), 13, pal::kAccentLight);
    p.fillRect(QRectF(19, 9, 9, 2.5), QColor(103, 105, 118));
    p.fillRect(QRectF(19, 14.5, 10, 2.5), QColor(254, 252, 180));
    p.fillRect(QRectF(19, 20, 7, 2.5), QColor(103, 105, 118));
    return image;
}

}  // namespace skin_art
