#include "spreadsheet/codec/bmp_encoder.h"

#include <bit>
#include <cstring>

namespace spreadsheet::codec {

namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;

void put16(std::uint8_t*& out, std::uint32_t v) {
  *out++ = static_cast<std::uint8_t>(v);
  *out++ = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::uint8_t*& out, std::uint32_t v) {
  put16(out, v & 0xffff);
  put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> encodeBmp(const PixelRows& image) {
  if (image.width <= 0 || image.height <= 0 || image.alpha) return {};
  const auto width = static_cast<std::uint32_t>(image.width);
  const auto height = static_cast<std::uint32_t>(image.height);
  const std::uint32_t rowBytes = (width * 3 + 3) & ~3u;  // rows end on 4 bytes
  const std::uint64_t pixelBytes = static_cast<std::uint64_t>(rowBytes) * height;
  if (pixelBytes > 0xffffffffu - kFileHeaderBytes - kInfoHeaderBytes) return {};
  const std::uint32_t offset = kFileHeaderBytes + kInfoHeaderBytes;
  std::vector<std::uint8_t> bytes(offset + pixelBytes);
  std::uint8_t* out = bytes.data();
  *out++ = 'B';
  *out++ = 'M';
  put32(out, static_cast<std::uint32_t>(bytes.size()));
  put32(out, 0);  // reserved
  put32(out, offset);
  put32(out, kInfoHeaderBytes);
  put32(out, width);
  put32(out, height);  // positive: the last row first
  put16(out, 1);       // planes
  put16(out, 24);      // bits per pixel
  put32(out, 0);       // no compression
  put32(out, static_cast<std::uint32_t>(pixelBytes));
  put32(out, static_cast<std::uint32_t>(image.dotsPerMeterX));
  put32(out, static_cast<std::uint32_t>(image.dotsPerMeterY));
  put32(out, 0);  // colours used
  put32(out, 0);  // important colours
  for (std::uint32_t y = height; y-- > 0;) {
    const std::uint32_t* pixels = image.row(static_cast<int>(y));
    std::uint8_t* row = out;
    std::uint32_t x = 0;
    if constexpr (std::endian::native == std::endian::little) {
      // Four pixels (B G R A in memory) make three words of B G R bytes.
      for (; x + 4 <= width; x += 4, row += 12) {
        const std::uint32_t a = pixels[x], b = pixels[x + 1], c = pixels[x + 2], d = pixels[x + 3];
        const std::uint32_t words[3] = {(a & 0xffffff) | (b << 24), ((b >> 8) & 0xffff) | (c << 16),
                                        ((c >> 16) & 0xff) | (d << 8)};
        std::memcpy(row, words, 12);
      }
    }
    for (; x < width; ++x) {
      *row++ = blueOf(pixels[x]);
      *row++ = greenOf(pixels[x]);
      *row++ = redOf(pixels[x]);
    }
    out += rowBytes;  // the padding stays zero
  }
  return bytes;
}

}  // namespace spreadsheet::codec
