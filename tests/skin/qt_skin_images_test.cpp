#include "skin/qt_skin_images.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <string>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "skin/qt_bitmap.h"
#include "tests/fakes/watchdog.h"

namespace solvane {
namespace {

class QtSkinImagesTest : public ::testing::Test {
 protected:
  std::u16string PathOf(const QString& name) const {
    return QDir(folder.path()).filePath(name).toStdU16String();
  }

  QString Save(const QString& name, const char* format, int width, int height) const {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    const QString path = QDir(folder.path()).filePath(name);
    EXPECT_TRUE(image.save(path, format));
    return path;
  }

  QTemporaryDir folder;
  QtSkinImages images;
};

TEST_F(QtSkinImagesTest, BmpFileLoadsWhateverItsNameEndsWith) {
  Save(QStringLiteral("wvrc.sv"), "BMP", 480, 696);
  const std::unique_ptr<Bitmap> bitmap = images.LoadFile(PathOf(QStringLiteral("wvrc.sv")));
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->Width(), 480);
  EXPECT_EQ(bitmap->Height(), 696);
  EXPECT_EQ(static_cast<const QtBitmap&>(*bitmap).Image().pixel(5, 5), qRgb(10, 20, 30));
}

TEST_F(QtSkinImagesTest, PixelsACutFileDoesNotHoldAreBlackAndBytesLoadAsTheFile) {
  // A bottom-up BMP cut after half its pixel rows: the rows it still holds are
  // the lower half of the picture; the upper half must not show stale memory.
  const QString path = Save(QStringLiteral("cut.bmp"), "BMP", 16, 16);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QByteArray bytes = file.readAll();
  file.close();
  bytes.truncate(bytes.size() - 8 * 16 * 3);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
  file.close();

  const std::unique_ptr<Bitmap> fromFile = images.LoadFile(PathOf(QStringLiteral("cut.bmp")));
  ASSERT_NE(fromFile, nullptr);
  const QImage& image = static_cast<const QtBitmap&>(*fromFile).Image();
  EXPECT_EQ(image.pixel(3, 15), qRgb(10, 20, 30));
  EXPECT_EQ(image.pixel(3, 0), qRgb(0, 0, 0));

  const auto* first = reinterpret_cast<const std::byte*>(bytes.constData());
  const std::unique_ptr<Bitmap> fromBytes =
      LoadBmpBytes(std::span<const std::byte>(first, static_cast<std::size_t>(bytes.size())));
  ASSERT_NE(fromBytes, nullptr);
  EXPECT_EQ(static_cast<const QtBitmap&>(*fromBytes).Image(), image);
}

TEST_F(QtSkinImagesTest, ShippedSkinDataFileLoads) {
  const std::unique_ptr<Bitmap> bitmap =
      images.LoadFile(QStringLiteral(SOLVANE_SOURCE_DIR "/resources/wvrc.sv").toStdU16String());
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->Width(), 480);
  EXPECT_GE(bitmap->Height(), 696);
}

TEST_F(QtSkinImagesTest, FileOfAnotherImageFormatIsNotABitmap) {
  Save(QStringLiteral("picture.bmp"), "PNG", 20, 20);
  EXPECT_EQ(images.LoadFile(PathOf(QStringLiteral("picture.bmp"))), nullptr);
}

// The background image's path comes from the state file and the skin data
// file lies in the program's folder: a FIFO or device under either name must
// not hold the start-up waiting for a writer.
TEST_F(QtSkinImagesTest, AFifoOrDeviceLoadsNothingAndReturnsAtOnce) {
  const std::string fifo = QDir(folder.path()).filePath(QStringLiteral("sky.bmp")).toStdString();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::u16string& path : {PathOf(QStringLiteral("sky.bmp")), std::u16string(u"/dev/zero")}) {
    EXPECT_EQ(testing::ReturnsWithin(std::chrono::seconds(5), "LoadFile",
                                     [&] { return images.LoadFile(path); }),
              nullptr);
  }
}

TEST_F(QtSkinImagesTest, MissingFileLoadsNothing) {
  EXPECT_EQ(images.LoadFile(PathOf(QStringLiteral("gone.bmp"))), nullptr);
}

TEST_F(QtSkinImagesTest, NameThatCannotBeAFileNameIsRefused) {
  Save(QStringLiteral("a.bmp"), "BMP", 4, 4);
  std::u16string unpaired = PathOf(QStringLiteral("a.bmp"));
  unpaired.insert(unpaired.size() - 4, 1, u'\xD800');  // a lone surrogate
  EXPECT_EQ(images.LoadFile(unpaired), nullptr);
  EXPECT_EQ(images.LoadFile(u""), nullptr);
}

struct BuiltInCase {
  BuiltInBitmap which;
  int width;
  int height;
};

TEST_F(QtSkinImagesTest, BuiltInBitmapsLoadAtTheirSizes) {
  const BuiltInCase cases[] = {{BuiltInBitmap::kFaceImage, 240, 348},
                               {BuiltInBitmap::kSpriteSheet, 240, 134},
                               {BuiltInBitmap::kDoubleSpriteSheet, 480, 183}};
  for (const BuiltInCase& c : cases) {
    const std::unique_ptr<Bitmap> bitmap = images.LoadBuiltIn(c.which);
    ASSERT_NE(bitmap, nullptr) << static_cast<int>(c.which);
    EXPECT_EQ(bitmap->Width(), c.width);
    EXPECT_EQ(bitmap->Height(), c.height);
  }
}

TEST_F(QtSkinImagesTest, ResourceNameIsNotAFileName) {
  ASSERT_NE(images.LoadBuiltIn(BuiltInBitmap::kFaceImage), nullptr);
  EXPECT_EQ(images.LoadFile(u":/skin/face_240.bmp"), nullptr);
}

}  // namespace
}  // namespace solvane
