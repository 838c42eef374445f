// Writes an image as an uncompressed 24-bit Windows bitmap, the format the
// player's skin files use.
#pragma once

#include <QImage>
#include <QString>

namespace skin_art {

bool WriteBmp24(const QImage& image, const QString& path);

}  // namespace skin_art
