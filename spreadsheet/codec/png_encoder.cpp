#include "spreadsheet/codec/png_encoder.h"

#include <zlib.h>

#include <cstring>
#include <string_view>

#include "spreadsheet/codec/run_deflate.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::codec {

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

void writeHeader(std::vector<std::uint8_t>& out, const PixelRows& image, bool alpha) {
  const std::size_t at = openChunk(out, "IHDR");
  put32(out, static_cast<std::uint32_t>(image.width));
  put32(out, static_cast<std::uint32_t>(image.height));
  out.push_back(8);  // bits per channel
  out.push_back(alpha ? kColourRgba : kColourRgb);
  out.push_back(0);  // deflate
  out.push_back(0);  // adaptive filtering
  out.push_back(0);  // not interlaced
  closeChunk(out, at);
}

// One row of 32-bit pixels (0xAARRGGBB) as PNG bytes after the Sub filter:
// each byte minus the same channel of the pixel to its left.
void subFilteredRow(const std::uint32_t* pixels, int width, bool alpha, std::uint8_t* out) {
  std::uint32_t left = 0;
  for (int x = 0; x < width; ++x) {
    const std::uint32_t p = pixels[x];
    *out++ = static_cast<std::uint8_t>(redOf(p) - redOf(left));
    *out++ = static_cast<std::uint8_t>(greenOf(p) - greenOf(left));
    *out++ = static_cast<std::uint8_t>(blueOf(p) - blueOf(left));
    if (alpha) *out++ = static_cast<std::uint8_t>(alphaOf(p) - alphaOf(left));
    left = p;
  }
}

// The bytes of pixels [from, to) of a row minus the same channels of the row
// above (the Up filter).
void addUpFiltered(RunDeflater& deflater, const std::uint32_t* row, const std::uint32_t* above,
                   int from, int to, bool alpha, std::vector<std::uint8_t>& buffer) {
  std::uint8_t* out = buffer.data();
  for (int x = from; x < to; ++x) {
    const std::uint32_t p = row[x], q = above[x];
    *out++ = static_cast<std::uint8_t>(redOf(p) - redOf(q));
    *out++ = static_cast<std::uint8_t>(greenOf(p) - greenOf(q));
    *out++ = static_cast<std::uint8_t>(blueOf(p) - blueOf(q));
    if (alpha) *out++ = static_cast<std::uint8_t>(alphaOf(p) - alphaOf(q));
  }
  deflater.add(buffer.data(), static_cast<std::size_t>(out - buffer.data()));
}

// The first pixel from `x` on that differs from the one above, or `width`:
// eight pixels are compared at a time while they all match, as most of a row
// with a little text in it does.
int firstDifference(const std::uint32_t* row, const std::uint32_t* above, int x, int width) {
  for (; x + 8 <= width; x += 8) {
    std::uint64_t a[4], b[4];
    std::memcpy(a, row + x, sizeof a);
    std::memcpy(b, above + x, sizeof b);
    if (((a[0] ^ b[0]) | (a[1] ^ b[1]) | (a[2] ^ b[2]) | (a[3] ^ b[3])) != 0) break;
  }
  while (x < width && row[x] == above[x]) ++x;
  return x;
}

// A row filtered with Up: pixels equal to the ones above are zeros, which the
// deflater adds without looking at them; only the pixels that differ are read.
void addUpRow(RunDeflater& deflater, const std::uint32_t* row, const std::uint32_t* above,
              int width, bool alpha, std::vector<std::uint8_t>& buffer) {
  const std::size_t channels = alpha ? 4 : 3;
  deflater.add(&kFilterUp, 1);
  for (int x = 0; x < width;) {
    int end = firstDifference(row, above, x, width);
    deflater.addZeros(static_cast<std::size_t>(end - x) * channels);
    for (x = end; end < width && row[end] != above[end];) ++end;
    if (end > x) addUpFiltered(deflater, row, above, x, end, alpha, buffer);
    x = end;
  }
}

int pixelsDiffering(const std::uint32_t* row, const std::uint32_t* above, int width) {
  int n = 0;
  for (int x = 0; x < width; ++x) n += row[x] != above[x];
  return n;
}

// Rows mostly like the one above are filtered with Up (a row equal to it is
// all zeros); any other row with Sub, which turns runs of one colour into
// zeros whatever the colour, as at the top edge of a filled block.
void writeData(std::vector<std::uint8_t>& out, const PixelRows& image, bool alpha) {
  const int width = image.width;
  const std::size_t pixelBytes = static_cast<std::size_t>(width) * (alpha ? 4 : 3);
  std::vector<std::uint8_t> buffer(pixelBytes + 1);

  const std::size_t at = openChunk(out, "IDAT");
  RunDeflater deflater(out);
  const std::uint32_t* above = nullptr;
  for (int y = 0; y < image.height; ++y) {
    const std::uint32_t* row = image.row(y);
    if (above && std::memcmp(row, above, static_cast<std::size_t>(width) * 4) == 0) {
      deflater.add(&kFilterUp, 1);
      deflater.addZeros(pixelBytes);
    } else if (above && pixelsDiffering(row, above, width) * 2 <= width) {
      addUpRow(deflater, row, above, width, alpha, buffer);
    } else {
      buffer[0] = kFilterSub;
      subFilteredRow(row, width, alpha, buffer.data() + 1);
      deflater.add(buffer.data(), pixelBytes + 1);
    }
    above = row;
  }
  deflater.finish();
  closeChunk(out, at);
}

}  // namespace

std::vector<std::uint8_t> encodePng(const PixelRows& image) {
  if (image.width <= 0 || image.height <= 0) throw Error("The picture is empty.");
  std::vector<std::uint8_t> out(std::begin(kSignature), std::end(kSignature));
  writeHeader(out, image, image.alpha);
  writeData(out, image, image.alpha);
  closeChunk(out, openChunk(out, "IEND"));
  return out;
}

}  // namespace spreadsheet::codec
