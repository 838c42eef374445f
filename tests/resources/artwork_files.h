// Reading the artwork back for the tests: images from the Qt resources or
// from files, the colour depth stored in a BMP header, and pixel comparison.
#pragma once

#include <QImage>
#include <QString>

namespace artwork_test {

QImage LoadImage(const QString& path);  // empty image when unreadable
QImage WideFace();                      // the "wvrc.sv" the build placed beside the program

// Bits per pixel from a BMP file's info header, or -1 when it is no BMP.
int BmpBitsPerPixel(const QString& path);

// The largest difference of any colour channel between two pixels.
int ChannelDistance(QRgb a, QRgb b);

}  // namespace artwork_test
