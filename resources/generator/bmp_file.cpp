#include "bmp_file.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

namespace skin_art {
namespace {

void Put16(QByteArray& out, quint16 value) {
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 2);
}

void Put32(QByteArray& out, quint32 value) {
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

}  // namespace

bool WriteBmp24(const QImage& image, const QString& path) {
    constexpr quint32 kHeaderBytes = 14 + 40;
    const int rowBytes = (image.width() * 3 + 3) / 4 * 4;
    const auto pixelBytes = static_cast<quint32>(rowBytes * image.height());

    QByteArray out;
    out.reserve(static_cast<qsizetype>(kHeaderBytes + pixelBytes));
    out.append("BM");
    Put32(out, kHeaderBytes + pixelBytes);
    Put32(out, 0);
    Put32(out, kHeaderBytes);
    Put32(out, 40);
    Put32(out, static_cast<quint32>(image.width()));
    Put32(out, static_cast<quint32>(image.height()));  // positive: rows stored bottom-up
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // no compression
    Put32(out, pixelBytes);
    Put32(out, 2835);  // 72 dots per inch
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);

    for (int y = image.height() - 1; y >= 0; --y) {
        const qsizetype rowStart = out.size();
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            out.append(static_cast<char>(qBlue(pixel)));
            out.append(static_cast<char>(qGreen(pixel)));
            out.append(static_cast<char>(qRed(pixel)));
        }
        out.append(QByteArray(rowBytes - (out.size() - rowStart), '\0'));
    }

    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

}  // namespace skin_art
