// The encoders on raw pixel rows, without Qt: bytes worked out by hand from
// the BMP and PNG layouts and RFC 1950. The Qt-judged tests are in tests/gui/codec.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "spreadsheet/codec/bmp_encoder.h"
#include "spreadsheet/codec/png_encoder.h"
#include "spreadsheet/codec/zlib_stream.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::codec {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Two rows of two opaque pixels, each row followed by a word the encoder must skip.
const std::uint32_t kPixels[] = {0xff010203, 0xff040506, 0xdeadbeef,
                                 0xff070809, 0xff0a0b0c, 0xdeadbeef};

PixelRows twoByTwo(bool alpha = false) {
  return {reinterpret_cast<const std::uint8_t*>(kPixels), 12, 2, 2, alpha, 3780, 3780};
}

TEST(CodecEncoders, BmpIsBottomUpBgrWithRowsPaddedToFourBytes) {
  const Bytes expected =
      {'B', 'M', 70, 0, 0,  0, 0, 0, 0,    0,    54, 0,  0,    0,  // file header
       40,  0,   0,  0, 2,  0, 0, 0, 2,    0,    0,  0,  1,    0,    24, 0,
       0,   0,   0,  0, 16, 0, 0, 0, 0xc4, 0x0e, 0,  0,  0xc4, 0x0e, 0,  0,
       0,   0,   0,  0, 0,  0, 0, 0, 9,    8,    7,  12, 11,   10,   0,  0,  // the bottom row first
       3,   2,   1,  6, 5,  4, 0, 0};
  EXPECT_EQ(encodeBmp(twoByTwo()), expected);
  EXPECT_TRUE(encodeBmp(twoByTwo(/*alpha=*/true)).empty());
  EXPECT_TRUE(encodeBmp(PixelRows{}).empty());
}

TEST(CodecEncoders, PngHeaderNamesRgbOrRgbaAndEmptyPixelsAreRefused) {
  for (bool alpha : {false, true}) {
    const Bytes png = encodePng(twoByTwo(alpha));
    ASSERT_GT(png.size(), 33u);
    // IHDR data: width 2, height 2, 8 bits, colour type 2 (RGB) or 6 (RGBA).
    const Bytes header(png.begin() + 16, png.begin() + 26);
    EXPECT_EQ(header, (Bytes{0, 0, 0, 2, 0, 0, 0, 2, 8, std::uint8_t(alpha ? 6 : 2)}));
  }
  EXPECT_THROW(encodePng(PixelRows{}), Error);
}

TEST(CodecEncoders, ZlibStreamDecodesAndCarriesTheFastestLevelHeader) {
  const std::string text(5000, 'x');
  const std::string packed = zlibStream(text + "end", 1);
  ASSERT_GE(packed.size(), 2u);
  EXPECT_EQ(std::uint8_t(packed[0]), 0x78);  // deflate, 32 KB window
  EXPECT_EQ(std::uint8_t(packed[1]), 0x01);  // fastest level, header check bits
  std::string back(text.size() + 3, '\0');
  uLongf size = back.size();
  ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(back.data()), &size,
                       reinterpret_cast<const Bytef*>(packed.data()), packed.size()),
            Z_OK);
  EXPECT_EQ(back, text + "end");
}

}  // namespace
}  // namespace spreadsheet::codec
