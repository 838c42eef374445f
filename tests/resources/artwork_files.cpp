#include "artwork_files.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>

namespace artwork_test {

QImage LoadImage(const QString& path) {
    QImageReader reader(path);
    return reader.read();
}

QImage WideFace() {
    QImageReader reader(QStringLiteral(SOLVANE_WIDE_FACE_BESIDE_PROGRAM), "bmp");
    return reader.read();
}

int BmpBitsPerPixel(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray header = file.read(30);
    if (header.size() < 30 || !header.startsWith("BM")) return -1;
    return qFromLittleEndian<quint16>(header.constData() + 28);
}

int ChannelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

}  // namespace artwork_test
