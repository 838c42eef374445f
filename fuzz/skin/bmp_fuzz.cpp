// Arbitrary bytes as a BMP file through the skin's BMP loading: once from
// memory and once from a file holding the same bytes, which must agree. A
// bitmap that loads is then drawn as the program draws skin bitmaps, as the
// face image and as the background image, block-copied through the Qt canvas
// into frames of the short and the tall screens.
//
// Qt's BMP reader is in a library without coverage counters, so libFuzzer
// cannot feel its way through the headers: inputs whose last byte is odd are
// turned into a well-formed header (its size, depth, compression, palette and
// pixel offset taken from the input) followed by the rest as pixel data.

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

#include "face/compose_frame.h"
#include "face/qt_canvas.h"
#include "face/qt_fonts.h"
#include "skin/qt_bitmap.h"
#include "skin/qt_skin_images.h"
#include "skin/screen_layout.h"

namespace solvane {
namespace {

void Check(bool holds) {
  if (!holds) {
    std::abort();
  }
}

class BmpWriter {
 public:
  void Byte(std::uint8_t value) { bytes_.push_back(static_cast<std::byte>(value)); }
  void Word(std::uint16_t value) {
    Byte(static_cast<std::uint8_t>(value));
    Byte(static_cast<std::uint8_t>(value >> 8));
  }
  void Dword(std::uint32_t value) {
    Word(static_cast<std::uint16_t>(value));
    Word(static_cast<std::uint16_t>(value >> 16));
  }
  void PutDwordAt(std::size_t at, std::uint32_t value) {
    for (int k = 0; k < 4; ++k) {
      bytes_[at + static_cast<std::size_t>(k)] = static_cast<std::byte>(value >> (8 * k));
    }
  }
  std::size_t Size() const { return bytes_.size(); }
  std::vector<std::byte> Take() { return std::move(bytes_); }

 private:
  std::vector<std::byte> bytes_;
};

// The file header, one of the info header's five sizes, the colour masks
// and palette the depth calls for, then the rest of the input as pixels.
std::vector<std::byte> WellFormedBmp(FuzzedDataProvider& input) {
  constexpr std::uint32_t kInfoSizes[] = {12, 40, 56, 108, 124};
  constexpr std::uint16_t kDepths[] = {1, 4, 8, 16, 24, 32};
  constexpr std::uint32_t kCompressions[] = {0, 1, 2, 3};  // RGB, RLE8, RLE4, bit fields
  const std::uint32_t infoSize = input.PickValueInArray(kInfoSizes);
  const std::uint16_t depth = input.PickValueInArray(kDepths);
  const auto width = input.ConsumeIntegralInRange<std::int32_t>(-2, 300);
  const auto height = input.ConsumeIntegralInRange<std::int32_t>(-300, 300);
  const std::uint32_t paletteEntries =
      depth <= 8 ? input.ConsumeIntegralInRange<std::uint32_t>(0, 1u << depth) : 0;

  BmpWriter bmp;
  bmp.Byte('B');
  bmp.Byte('M');
  bmp.Dword(0);  // the file size, filled in below
  // The reserved fields, now and then not zero.
  const bool reservedSet = input.ConsumeIntegral<std::uint8_t>() == 0;
  bmp.Dword(reservedSet ? input.ConsumeIntegral<std::uint32_t>() : 0);
  bmp.Dword(0);  // the pixels' offset, filled in below
  bmp.Dword(infoSize);
  if (infoSize == 12) {
    bmp.Word(static_cast<std::uint16_t>(width));
    bmp.Word(static_cast<std::uint16_t>(height));
    bmp.Word(1);
    bmp.Word(depth);
  } else {
    const std::uint32_t compression = input.PickValueInArray(kCompressions);
    bmp.Dword(static_cast<std::uint32_t>(width));
    bmp.Dword(static_cast<std::uint32_t>(height));
    bmp.Word(input.ConsumeBool() ? 1 : input.ConsumeIntegral<std::uint16_t>());  // planes
    bmp.Word(depth);
    bmp.Dword(compression);
    bmp.Dword(input.ConsumeIntegralInRange<std::uint32_t>(0, 1u << 20));  // image size
    bmp.Dword(2835);
    bmp.Dword(2835);
    bmp.Dword(paletteEntries);
    bmp.Dword(0);
    // Bit-field masks: in the header from 56 bytes on, after it for 40.
    const bool masks = infoSize > 40 || compression == 3;
    for (int k = 0; masks && k < (infoSize >= 56 ? 4 : 3); ++k) {
      bmp.Dword(input.ConsumeIntegral<std::uint32_t>());
    }
    while (bmp.Size() < 14 + infoSize) {
      bmp.Byte(0);
    }
  }
  const std::uint32_t entries = depth <= 8 && paletteEntries == 0 ? 1u << depth : paletteEntries;
  for (std::uint32_t k = 0; k < entries; ++k) {
    for (int channel = 0; channel < (infoSize == 12 ? 3 : 4); ++channel) {
      bmp.Byte(input.ConsumeIntegral<std::uint8_t>());
    }
  }
  const auto offset = static_cast<std::uint32_t>(
      input.ConsumeBool() ? bmp.Size()
                          : input.ConsumeIntegralInRange<std::size_t>(0, bmp.Size() + 64));
  for (const std::uint8_t byte : input.ConsumeRemainingBytes<std::uint8_t>()) {
    bmp.Byte(byte);
  }
  bmp.PutDwordAt(2, static_cast<std::uint32_t>(bmp.Size()));
  bmp.PutDwordAt(10, offset);
  return bmp.Take();
}

std::unique_ptr<Bitmap> LoadThroughFile(std::span<const std::byte> bytes) {
  static QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("input.bmp"));
  QFile file(path);
  Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  Check(file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()));
  file.close();
  return QtSkinImages().LoadFile(path.toStdU16String());
}

const QImage& ImageOf(const Bitmap& bitmap) { return static_cast<const QtBitmap&>(bitmap).Image(); }

// The face image and the background image in a frame of the screen's client
// area; the background's first and last copied pixels must be the bitmap's.
void DrawAsTheProgramDoes(const Bitmap& bitmap, int screenMode) {
  static QtFontCache fonts;
  ScreenLayout layout;
  SetScreenValues(layout, screenMode);
  ComputeFaceLayout(layout);
  QImage frame(layout.screenWidth, layout.clientHeight, QImage::Format_RGB32);
  frame.fill(Qt::black);
  {
    QPainter painter(&frame);
    QtCanvas canvas(painter, fonts, QRegion(frame.rect()));
    PlaceFaceImage(canvas, layout, bitmap);
    PlaceBackgroundImage(canvas, layout, bitmap);
  }
  const QImage& image = ImageOf(bitmap);
  const int right = std::min(layout.screenWidth, image.width()) - 1;
  const int bottom = std::min(layout.lyricAreaBottom, image.height()) - 1;
  Check(frame.pixel(0, 0) == image.pixel(0, 0));
  Check(frame.pixel(right, bottom) == image.pixel(right, bottom));
}

}  // namespace
}  // namespace solvane

extern "C" const char* __lsan_default_options() {
  // Leaks inside Qt's and the system's libraries, as for the tests.
  return "suppressions=" SOLVANE_LSAN_SUPPRESSIONS;
}

extern "C" int LLVMFuzzerInitialize([[maybe_unused]] int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt's complaints about broken files (seeks past the end and the like)
  // would only bury libFuzzer's own output.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  static int qtArgc = 1;
  static char* qtArgv[] = {(*argv)[0], nullptr};
  // Lives for the whole run, as the program's does.
  static QGuiApplication application(qtArgc, qtArgv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace solvane;
  if (size == 0) {
    return 0;
  }
  std::vector<std::byte> wellFormed;
  std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size - 1);
  if ((data[size - 1] & 1) != 0) {
    FuzzedDataProvider input(data, size - 1);
    wellFormed = WellFormedBmp(input);
    bytes = wellFormed;
  }
  const std::unique_ptr<Bitmap> fromBytes = LoadBmpBytes(bytes);
  const std::unique_ptr<Bitmap> fromFile = LoadThroughFile(bytes);
  Check((fromBytes == nullptr) == (fromFile == nullptr));
  if (fromBytes == nullptr) {
    return 0;
  }
  const QImage& image = ImageOf(*fromBytes);
  Check(image.format() == QImage::Format_RGB32 && image == ImageOf(*fromFile));
  Check(fromBytes->Width() == image.width() && fromBytes->Height() == image.height());
  Check(image.width() > 0 && image.height() > 0);
  DrawAsTheProgramDoes(*fromBytes, kScreenMode240x320);
  DrawAsTheProgramDoes(*fromBytes, kScreenMode480x800);
  return 0;
}
