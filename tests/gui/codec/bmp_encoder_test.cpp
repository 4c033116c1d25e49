#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include "spreadsheet/picture/image_bytes.h"

namespace {

std::vector<std::uint8_t> qtBmp(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, "BMP"));
  return {bytes.begin(), bytes.end()};
}

// Widths that need 0 to 3 bytes of row padding, a set resolution and not.
TEST(BmpEncoder, WritesTheBytesQtWrites) {
  for (int width : {1, 2, 3, 4, 7, 161}) {
    SCOPED_TRACE(width);
    QImage image(width, 9, QImage::Format_RGB32);
    image.fill(qRgb(0x10, 0x80, 0xf0));
    QPainter(&image).fillRect(0, 2, width, 3, QColor(0xfe, 0x01, 0x7f));
    image.setPixel(width - 1, 8, qRgb(1, 2, 3));
    if (width % 2) {
      image.setDotsPerMeterX(3780);
      image.setDotsPerMeterY(3779);
    }
    EXPECT_EQ(spreadsheet::picture::bmpBytes(image), qtBmp(image));
  }
}

TEST(BmpEncoder, LeavesOtherFormatsToQt) {
  EXPECT_TRUE(spreadsheet::picture::bmpBytes(QImage()).empty());
  QImage alpha(4, 4, QImage::Format_ARGB32);
  alpha.fill(Qt::transparent);
  EXPECT_TRUE(spreadsheet::picture::bmpBytes(alpha).empty());
}

}  // namespace
