#include "spreadsheet/picture/png_encoder.h"

#include <zlib.h>

#include <cstring>
#include <string_view>

#include "spreadsheet/model/error.h"
#include "spreadsheet/picture/run_deflate.h"

namespace spreadsheet::picture {

namespace {

constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
constexpr std::uint8_t kFilterSub = 1;
constexpr std::uint8_t kFilterUp = 2;
constexpr std::uint8_t kColourRgb = 2;
constexpr std::uint8_t kColourRgba = 6;

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

// Opens a chunk: its length is filled in by closeChunk, which also appends
// the CRC of the type and data.
std::size_t openChunk(std::vector<std::uint8_t>& out, std::string_view type) {
  const std::size_t at = out.size();
  put32(out, 0);
  out.insert(out.end(), type.begin(), type.end());
  return at;
}

void closeChunk(std::vector<std::uint8_t>& out, std::size_t at) {
  const std::size_t length = out.size() - at - 8;
  if (length > 0x7fffffffu) throw Error("The picture is too large for a PNG file.");
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(length >> (24 - 8 * i));
  const uLong crc = crc32_z(crc32(0, nullptr, 0), out.data() + at + 4, length + 4);
  put32(out, static_cast<std::uint32_t>(crc));
}

void writeHeader(std::vector<std::uint8_t>& out, const QImage& image, bool alpha) {
  const std::size_t at = openChunk(out, "IHDR");
  put32(out, static_cast<std::uint32_t>(image.width()));
  put32(out, static_cast<std::uint32_t>(image.height()));
  out.push_back(8);  // bits per channel
  out.push_back(alpha ? kColourRgba : kColourRgb);
  out.push_back(0);  // deflate
  out.push_back(0);  // adaptive filtering
  out.push_back(0);  // not interlaced
  closeChunk(out, at);
}

// One row of 32-bit pixels (0xAARRGGBB) as PNG bytes after the Sub filter:
// each byte minus the same channel of the pixel to its left.
void subFilteredRow(const QRgb* pixels, int width, bool alpha, std::uint8_t* out) {
  QRgb left = 0;
  for (int x = 0; x < width; ++x) {
    const QRgb p = pixels[x];
    *out++ = static_cast<std::uint8_t>(qRed(p) - qRed(left));
    *out++ = static_cast<std::uint8_t>(qGreen(p) - qGreen(left));
    *out++ = static_cast<std::uint8_t>(qBlue(p) - qBlue(left));
    if (alpha) *out++ = static_cast<std::uint8_t>(qAlpha(p) - qAlpha(left));
    left = p;
  }
}

// A row equal to the one above is filtered with Up, which makes it all zeros
// and costs nothing to look at again; any other row with Sub, which turns
// runs of one colour into zeros whatever the colour.
void writeData(std::vector<std::uint8_t>& out, const QImage& image, bool alpha) {
  const int width = image.width();
  const std::size_t pixelBytes = static_cast<std::size_t>(width) * (alpha ? 4 : 3);
  std::vector<std::uint8_t> filtered(pixelBytes + 1);
  filtered[0] = kFilterSub;

  const std::size_t at = openChunk(out, "IDAT");
  RunDeflater deflater(out);
  const QRgb* previous = nullptr;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    if (previous && std::memcmp(row, previous, static_cast<std::size_t>(width) * 4) == 0) {
      deflater.add(&kFilterUp, 1);
      deflater.addZeros(pixelBytes);
    } else {
      subFilteredRow(row, width, alpha, filtered.data() + 1);
      deflater.add(filtered.data(), filtered.size());
    }
    previous = row;
  }
  deflater.finish();
  closeChunk(out, at);
}

}  // namespace

std::vector<std::uint8_t> encodePng(const QImage& image) {
  if (image.isNull()) throw Error("The picture is empty.");
  const bool alpha = image.hasAlphaChannel();
  const QImage pixels = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  std::vector<std::uint8_t> out(std::begin(kSignature), std::end(kSignature));
  writeHeader(out, pixels, alpha);
  writeData(out, pixels, alpha);
  closeChunk(out, openChunk(out, "IEND"));
  return out;
}

}  // namespace spreadsheet::picture
