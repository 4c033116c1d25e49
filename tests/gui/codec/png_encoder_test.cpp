#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "spreadsheet/model/error.h"
#include "spreadsheet/picture/image_bytes.h"

namespace {

using spreadsheet::picture::pngBytes;

QImage decoded(const std::vector<std::uint8_t>& png) {
  return QImage::fromData(png.data(), static_cast<int>(png.size()), "PNG");
}

// Every pixel compared as 0xAARRGGBB: Qt's reader (libpng) is the judge.
void expectSamePixels(const QImage& written, const QImage& read) {
  ASSERT_FALSE(read.isNull());
  ASSERT_EQ(read.size(), written.size());
  const QImage a = written.convertToFormat(QImage::Format_ARGB32);
  const QImage b = read.convertToFormat(QImage::Format_ARGB32);
  int differing = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y) && ++differing <= 5)
        ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << a.pixel(x, y)
                      << " written, " << b.pixel(x, y) << " read";
  EXPECT_EQ(differing, 0);
}

// A small sheet-like picture: white, grid lines, a filled block, a border,
// anti-aliased text, repeated rows and a row of distinct colours.
QImage sheetLike(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setPen(QColor(0xd4, 0xd4, 0xd4));
  for (int x = 0; x < width; x += 17) p.drawLine(x, 0, x, height - 1);
  for (int y = 0; y < height; y += 9) p.drawLine(0, y, width - 1, y);
  p.fillRect(QRect(5, 5, width / 2, height / 3), QColor(0xff, 0xff, 0xcc));
  p.setPen(QPen(Qt::black, 2));
  p.drawRect(QRect(3, height / 2, width - 7, height / 4));
  p.setRenderHint(QPainter::Antialiasing);
  p.drawText(QRect(0, 0, width, height), Qt::AlignCenter, QStringLiteral("Monday 9:00 AM"));
  p.end();
  for (int x = 0; x < width; ++x) image.setPixel(x, height - 1, qRgb(x * 7, 255 - x, x * 3));
  return image;
}

TEST(PngEncoder, OpaquePicturesReadBackPixelForPixel) {
  QImage tiny(3, 2, QImage::Format_RGB32);
  tiny.fill(qRgb(0x12, 0x34, 0x56));
  tiny.setPixel(2, 1, qRgb(0xfe, 0x01, 0x80));
  for (const QImage& picture : {tiny, sheetLike(161, 83), sheetLike(700, 40)}) {
    SCOPED_TRACE(picture.width());
    const QImage read = decoded(pngBytes(picture));
    expectSamePixels(picture, read);
    EXPECT_FALSE(read.hasAlphaChannel());
  }
}

// A picture taller than one slice of the compressor's input, made of long
// runs of equal rows: exercises every filter and the streaming path.
TEST(PngEncoder, TallPicturesWithRepeatedRowsReadBack) {
  QImage image = sheetLike(1200, 900);
  expectSamePixels(image, decoded(pngBytes(image)));
}

TEST(PngEncoder, TransparencyAndOtherFormatsAreKept) {
  QImage clear(40, 30, QImage::Format_ARGB32);
  clear.fill(Qt::transparent);
  for (int x = 0; x < 40; ++x) clear.setPixel(x, 10, qRgba(200, x * 6, 10, x * 6));
  const QImage read = decoded(pngBytes(clear));
  EXPECT_TRUE(read.hasAlphaChannel());
  expectSamePixels(clear, read);

  const QImage premultiplied = clear.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  expectSamePixels(premultiplied, decoded(pngBytes(premultiplied)));
  const QImage grey = sheetLike(90, 50).convertToFormat(QImage::Format_Grayscale8);
  expectSamePixels(grey, decoded(pngBytes(grey)));
  const QImage rgb888 = sheetLike(91, 50).convertToFormat(QImage::Format_RGB888);
  expectSamePixels(rgb888, decoded(pngBytes(rgb888)));
}

TEST(PngEncoder, FileStartsWithTheSignatureAndHeader) {
  const std::vector<std::uint8_t> png = pngBytes(sheetLike(300, 20));
  const std::vector<std::uint8_t> start(png.begin(), png.begin() + 16);
  const std::vector<std::uint8_t> expected = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n',
                                              0,    0,   0,   13,  'I',  'H',  'D',  'R'};
  EXPECT_EQ(start, expected);
  const std::vector<std::uint8_t> end(png.end() - 12, png.end());
  const std::vector<std::uint8_t> iend = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xae, 0x42, 0x60, 0x82};
  EXPECT_EQ(end, iend);
}

TEST(PngEncoder, NullImageIsRefused) {
  EXPECT_THROW(pngBytes(QImage()), spreadsheet::Error);
}

}  // namespace
