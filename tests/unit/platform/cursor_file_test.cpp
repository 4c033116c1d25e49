#include <QBuffer>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include "platform/cursor_file.h"

namespace {

void put16(QByteArray& b, int v) {
  b.append(char(v & 0xFF));
  b.append(char((v >> 8) & 0xFF));
}
void put32(QByteArray& b, quint32 v) {
  put16(b, int(v & 0xFFFF));
  put16(b, int(v >> 16));
}

// A cursor file around one image; the directory says type 2 unless told.
QByteArray cursorFile(const QByteArray& image, int w, int h, QPoint hotspot, int type = 2) {
  QByteArray b;
  put16(b, 0);
  put16(b, type);
  put16(b, 1);
  b.append(char(w));
  b.append(char(h));
  b.append(char(0));
  b.append(char(0));
  put16(b, hotspot.x());
  put16(b, hotspot.y());
  put32(b, quint32(image.size()));
  put32(b, 22);
  return b + image;
}

QByteArray bitmapHeader(int w, int h, int bits, int colours = 0) {
  QByteArray b;
  put32(b, 40);
  put32(b, quint32(w));
  put32(b, quint32(h * 2));
  put16(b, 1);
  put16(b, bits);
  put32(b, 0);
  put32(b, 0);
  put32(b, 0);
  put32(b, 0);
  put32(b, quint32(colours));
  put32(b, 0);
  return b;
}

// 4 x 2 monochrome: top row masked out, bottom row black then white pixels.
QByteArray monochromeImage() {
  QByteArray b = bitmapHeader(4, 2, 1, 2);
  put32(b, 0x00000000);  // black
  put32(b, 0x00FFFFFF);  // white
  // Colour rows, bottom-up, 4-byte aligned: bottom row 0101, top row 0000.
  b.append(QByteArray("\x50\0\0\0", 4));
  b.append(QByteArray(4, '\0'));
  // Mask rows, bottom-up: bottom row opaque, top row transparent.
  b.append(QByteArray(4, '\0'));
  b.append(QByteArray("\xF0\0\0\0", 4));
  return b;
}

TEST(CursorFile, MonochromeBitmapWithMask) {
  auto cursor = platform::parseCursor(cursorFile(monochromeImage(), 4, 2, {1, 1}));
  ASSERT_TRUE(cursor);
  EXPECT_EQ(cursor->image.size(), QSize(4, 2));
  EXPECT_EQ(cursor->hotspot, QPoint(1, 1));
  EXPECT_EQ(qAlpha(cursor->image.pixel(0, 0)), 0);
  EXPECT_EQ(cursor->image.pixel(0, 1), qRgba(0, 0, 0, 255));
  EXPECT_EQ(cursor->image.pixel(1, 1), qRgba(255, 255, 255, 255));
}

TEST(CursorFile, ThirtyTwoBitBitmapUsesItsAlpha) {
  QByteArray image = bitmapHeader(1, 2, 32);
  put32(image, 0x80112233);             // bottom pixel: half-transparent
  put32(image, 0xFF0000FF);             // top pixel: opaque blue
  image.append(QByteArray(8, '\xFF'));  // a mask that would hide everything
  auto cursor = platform::parseCursor(cursorFile(image, 1, 2, {0, 0}));
  ASSERT_TRUE(cursor);
  EXPECT_EQ(cursor->image.pixel(0, 0), qRgba(0, 0, 255, 255));
  EXPECT_EQ(qAlpha(cursor->image.pixel(0, 1)), 0x80);
}

TEST(CursorFile, PngImage) {
  QImage source(3, 5, QImage::Format_ARGB32);
  source.fill(qRgba(10, 20, 30, 255));
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(source.save(&buffer, "PNG"));
  auto cursor = platform::parseCursor(cursorFile(png, 3, 5, {2, 4}));
  ASSERT_TRUE(cursor);
  EXPECT_EQ(cursor->image.size(), QSize(3, 5));
  EXPECT_EQ(cursor->hotspot, QPoint(2, 4));
  EXPECT_EQ(cursor->image.pixel(1, 1), qRgba(10, 20, 30, 255));
}

TEST(CursorFile, MalformedFilesGiveNoCursor) {
  QByteArray good = cursorFile(monochromeImage(), 4, 2, {0, 0});
  EXPECT_FALSE(platform::parseCursor(QByteArray()));
  EXPECT_FALSE(platform::parseCursor(cursorFile(monochromeImage(), 4, 2, {0, 0}, 1)));  // an icon
  for (int cut : {4, 10, 30, int(good.size()) - 1})
    EXPECT_FALSE(platform::parseCursor(good.left(cut))) << "cut at " << cut;
  QByteArray badOffset = good;
  badOffset[18] = char(0x7F);
  EXPECT_FALSE(platform::parseCursor(badOffset));
  QByteArray badBits = good;
  badBits[22 + 14] = 7;
  EXPECT_FALSE(platform::parseCursor(badBits));
  EXPECT_FALSE(platform::loadCursorFile("/nonexistent/HAND-M.CUR"));
}

TEST(CursorFile, ShippedHandCursorLoads) {
  auto cursor = platform::parseCursor([] {
    QFile file(TALLYLOOM_SOURCE_DIR "/resources/beside/HAND-M.CUR");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }());
  ASSERT_TRUE(cursor);
  EXPECT_EQ(cursor->image.size(), QSize(32, 32));
  EXPECT_LT(cursor->hotspot.x(), 16);
  EXPECT_EQ(cursor->hotspot.y(), 0);
}

}  // namespace
