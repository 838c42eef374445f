#include "skin/qt_skin_images.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include "app/shared/wide_text.h"
#include "resources/resource_paths.h"
#include "skin/qt_bitmap.h"

namespace solvane {

namespace {

// Only the BMP reader is tried: a file of another image format is refused as
// "not a bitmap", whatever its name.
std::unique_ptr<Bitmap> LoadBmp(const QString& path) {
  QImageReader reader(path, "bmp");
  reader.setAutoDetectImageFormat(false);
  const QImage image = reader.read();
  if (image.isNull()) {
    return nullptr;
  }
  return std::make_unique<QtBitmap>(image);
}

}  // namespace

std::unique_ptr<Bitmap> QtSkinImages::LoadBuiltIn(BuiltInBitmap which) {
  const char* path = BuiltInImagePath(static_cast<int>(which));
  return path != nullptr ? LoadBmp(QString::fromLatin1(path)) : nullptr;
}

std::unique_ptr<Bitmap> QtSkinImages::LoadFile(std::u16string_view path) {
  // A name without a UTF-8 form is refused: it could only open another file.
  // So is one that Qt would take for a resource name (":...").
  const std::optional<std::string> utf8 = WideToUtf8(path);
  if (!utf8 || utf8->empty() || utf8->front() == ':' ||
      utf8->find('\0') != std::string::npos) {
    return nullptr;
  }
  return LoadBmp(QString::fromStdString(*utf8));
}

}  // namespace solvane
