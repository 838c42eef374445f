#include "skin/qt_skin_images.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QImage>
#include <QImageReader>
#include <QPixelFormat>
#include <QSize>
#include <QString>
#include <unistd.h>

#include <cstring>

#include "base/regular_file.h"
#include "base/wide_text.h"
#include "resources/resource_paths.h"
#include "skin/qt_bitmap.h"

namespace solvane {

namespace {

// An image of `size` and `format` whose bytes are all zero; null when it
// would pass the image reader's allocation limit or cannot be had.
QImage ZeroedImage(QSize size, QImage::Format format) {
  if (size.isEmpty() || format == QImage::Format_Invalid) {
    return {};
  }
  const qint64 bitsPerRow = qint64{size.width()} * QImage::toPixelFormat(format).bitsPerPixel();
  const qint64 bytes = (bitsPerRow + 31) / 32 * 4 * size.height();
  const qint64 limit = qint64{QImageReader::allocationLimit()} << 20;
  if (limit > 0 && bytes > limit) {
    return {};
  }
  QImage image(size, format);
  if (!image.isNull()) {
    std::memset(image.bits(), 0, static_cast<std::size_t>(image.sizeInBytes()));
  }
  return image;
}

// Reads the device from where it stands into `image`; true when the reader
// filled that very image rather than one of its own.
bool ReadInto(QIODevice& device, QImage& image) {
  QImageReader reader(&device, "bmp");
  reader.setAutoDetectImageFormat(false);
  const uchar* given = image.constBits();
  return reader.read(&image) && given != nullptr && image.constBits() == given;
}

// Only the BMP reader is tried: data of another image format is refused as
// "not a bitmap", whatever its name. Images past the reader's allocation
// limit are refused too.
//
// Qt's BMP reader leaves the pixels a file does not give (the rows past the
// end of a short file, the pixels a run-length file skips) as the memory
// held them. It fills an image it is given when that has the right size and
// format, so it is given one that is all zeros: of the size and format the
// file's header names, or, when it took another, of the ones it took.
std::unique_ptr<Bitmap> ReadBmp(QIODevice& device) {
  if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) {
    return nullptr;
  }
  QImageReader header(&device, "bmp");
  header.setAutoDetectImageFormat(false);
  QImage image = ZeroedImage(header.size(), header.imageFormat());
  if (!device.seek(0)) {
    return nullptr;
  }
  if (!ReadInto(device, image)) {
    if (image.isNull() || !device.seek(0)) {
      return nullptr;
    }
    image = ZeroedImage(image.size(), image.format());
    if (!ReadInto(device, image)) {
      return nullptr;
    }
  }
  return std::make_unique<QtBitmap>(image);
}

// Bytes that read as the file they came from: like a file, the buffer may be
// positioned past its end, where reading gives nothing. (A plain QBuffer
// refuses such a seek and stays where it was, so a BMP whose pixel offset
// points past the end would read differently from memory than from disk.)
class FileLikeBuffer final : public QBuffer {
 public:
  explicit FileLikeBuffer(const QByteArray& bytes) { setData(bytes); }

  bool seek(qint64 position) override {
    return position > size() ? QIODevice::seek(position) : QBuffer::seek(position);
  }
};

std::unique_ptr<Bitmap> LoadBmp(const QString& path) {
  QFile file(path);
  return ReadBmp(file);
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
  if (!utf8 || utf8->empty() || utf8->front() == ':' || utf8->find('\0') != std::string::npos) {
    return nullptr;
  }
  // Opening a FIFO or a device could wait for ever; only a regular file
  // (links followed) is an image file. The descriptor that was checked is the
  // one read, so nothing put in the file's place meanwhile is opened.
  const int fd = OpenRegularFileForReading(*utf8);
  if (fd < 0) {
    return nullptr;
  }
  QFile file;
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return nullptr;
  }
  return ReadBmp(file);
}

std::unique_ptr<Bitmap> LoadBmpBytes(std::span<const std::byte> bytes) {
  // The bytes are only read, through a buffer that does not copy them.
  FileLikeBuffer buffer(QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<qsizetype>(bytes.size())));
  return ReadBmp(buffer);
}

}  // namespace solvane
