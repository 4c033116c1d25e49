#include "platform/cursor_file.h"

#include <QFile>
#include <QPixmap>

#include <cstdint>
#include <vector>

#include "spreadsheet/model/bytes.h"
#include "spreadsheet/model/error.h"

namespace platform {

namespace {

constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;
constexpr int kCursorType = 2;
constexpr int kBitmapHeaderSize = 40;
constexpr int kLargestSide = 256;

// The file's little-endian fields; a read past the end throws, and the
// parser turns that into "no cursor".
class Reader {
 public:
  explicit Reader(const QByteArray& bytes)
      : in_({reinterpret_cast<const std::uint8_t*>(bytes.constData()),
             static_cast<std::size_t>(bytes.size())}) {}
  bool has(qsizetype offset, qsizetype length) const {
    return offset >= 0 && length >= 0 &&
           in_.has(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
  }
  std::uint32_t u8(qsizetype at) const { return in_.u8At(index(at)); }
  std::uint32_t u16(qsizetype at) const { return in_.u16At(index(at)); }
  std::uint32_t u32(qsizetype at) const { return in_.u32At(index(at)); }

 private:
  // A negative offset becomes one past any buffer, so the read refuses it.
  static std::size_t index(qsizetype at) {
    return at < 0 ? static_cast<std::size_t>(-1) : static_cast<std::size_t>(at);
  }
  spreadsheet::bytes::Reader in_;
};

qsizetype rowStride(int width, int bits) {
  return ((qsizetype(width) * bits + 31) / 32) * 4;
}

int bitsAt(const Reader& r, qsizetype rowStart, int x, int bits) {
  qsizetype bitOffset = qsizetype(x) * bits;
  std::uint32_t byte = r.u8(rowStart + bitOffset / 8);
  int shift = 8 - bits - int(bitOffset % 8);
  return int((byte >> shift) & ((1u << bits) - 1));
}

// The colour of pixel x of a colour row, alpha as stored (0 for formats without).
QRgb colourAt(const Reader& r, qsizetype row, int x, int bits, const std::vector<QRgb>& colours) {
  switch (bits) {
    case 32: {
      qsizetype at = row + qsizetype(x) * 4;
      return qRgba(int(r.u8(at + 2)), int(r.u8(at + 1)), int(r.u8(at)), int(r.u8(at + 3)));
    }
    case 24: {
      qsizetype at = row + qsizetype(x) * 3;
      return qRgba(int(r.u8(at + 2)), int(r.u8(at + 1)), int(r.u8(at)), 0);
    }
    default: {
      auto index = static_cast<std::size_t>(bitsAt(r, row, x, bits));
      return index < colours.size() ? colours[index] : qRgba(0, 0, 0, 0);
    }
  }
}

std::optional<QImage> decodeBitmap(const Reader& r, qsizetype at, qsizetype length) {
  if (!r.has(at, kBitmapHeaderSize) || length < kBitmapHeaderSize) return std::nullopt;
  const qsizetype headerSize = r.u32(at);
  const auto width = static_cast<std::int32_t>(r.u32(at + 4));
  const auto doubledHeight = static_cast<std::int32_t>(r.u32(at + 8));
  const int bits = int(r.u16(at + 14));
  const std::uint32_t compression = r.u32(at + 16);
  const std::uint32_t coloursUsed = r.u32(at + 32);
  const int height = doubledHeight / 2;
  if (headerSize < kBitmapHeaderSize || width <= 0 || height <= 0 || width > kLargestSide ||
      height > kLargestSide || compression != 0)
    return std::nullopt;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;

  std::vector<QRgb> colours;
  qsizetype pos = at + headerSize;
  if (bits <= 8) {
    const std::uint32_t count = coloursUsed ? coloursUsed : (1u << bits);
    if (count > 256 || !r.has(pos, qsizetype(count) * 4)) return std::nullopt;
    for (std::uint32_t i = 0; i < count; ++i, pos += 4)
      colours.push_back(qRgba(int(r.u8(pos + 2)), int(r.u8(pos + 1)), int(r.u8(pos)), 0));
  }
  const qsizetype colourStride = rowStride(width, bits);
  const qsizetype maskStride = rowStride(width, 1);
  const qsizetype maskStart = pos + colourStride * height;
  if (!r.has(pos, colourStride * height + maskStride * height) ||
      maskStart + maskStride * height > at + length)
    return std::nullopt;

  QImage image(width, height, QImage::Format_ARGB32);
  bool anyAlpha = false;
  for (int y = 0; y < height; ++y) {  // rows are stored bottom-up
    qsizetype row = pos + colourStride * (height - 1 - y);
    for (int x = 0; x < width; ++x) {
      QRgb c = colourAt(r, row, x, bits, colours);
      anyAlpha = anyAlpha || (bits == 32 && qAlpha(c) != 0);
      image.setPixel(x, y, c);
    }
  }
  for (int y = 0; y < height; ++y) {
    qsizetype maskRow = maskStart + maskStride * (height - 1 - y);
    for (int x = 0; x < width; ++x) {
      QRgb c = image.pixel(x, y);
      if (anyAlpha) continue;  // a 32-bit image with alpha ignores the mask
      bool transparent = bitsAt(r, maskRow, x, 1) == 1;
      // A masked pixel with colour inverts the screen; show it as that colour.
      bool invisible = transparent && (c & 0xFFFFFF) == 0;
      image.setPixel(x, y, invisible ? qRgba(0, 0, 0, 0) : (c | 0xFF000000u));
    }
  }
  return image;
}

}  // namespace

namespace {

std::optional<CursorImage> readCursor(const QByteArray& bytes) {
  const Reader r(bytes);
  if (!r.has(0, kDirectorySize) || r.u16(0) != 0 || r.u16(2) != kCursorType || r.u16(4) == 0)
    return std::nullopt;
  if (!r.has(kDirectorySize, kEntrySize)) return std::nullopt;
  const qsizetype entry = kDirectorySize;
  const QPoint hotspot(int(r.u16(entry + 4)), int(r.u16(entry + 6)));
  const qsizetype length = r.u32(entry + 8);
  const qsizetype offset = r.u32(entry + 12);
  if (!r.has(offset, length) || length < 8) return std::nullopt;

  std::optional<QImage> image;
  if (bytes.mid(offset, 8) == QByteArray("\x89PNG\r\n\x1a\n", 8)) {
    QImage png;
    if (png.loadFromData(bytes.mid(offset, length), "PNG"))
      image = png.convertToFormat(QImage::Format_ARGB32);
  } else {
    image = decodeBitmap(r, offset, length);
  }
  if (!image || image->isNull()) return std::nullopt;
  QPoint spot(std::min(hotspot.x(), image->width() - 1),
              std::min(hotspot.y(), image->height() - 1));
  return CursorImage{*image, spot};
}

}  // namespace

std::optional<CursorImage> parseCursor(const QByteArray& bytes) {
  try {
    return readCursor(bytes);
  } catch (const spreadsheet::Error&) {
    return std::nullopt;
  }
}

std::optional<QCursor> loadCursorFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  std::optional<CursorImage> cursor = parseCursor(file.readAll());
  if (!cursor) return std::nullopt;
  return QCursor(QPixmap::fromImage(cursor->image), cursor->hotspot.x(), cursor->hotspot.y());
}

}  // namespace platform
