#include "spreadsheet/picture/image_bytes.h"

#include "spreadsheet/codec/bmp_encoder.h"
#include "spreadsheet/codec/png_encoder.h"

namespace spreadsheet::picture {

namespace {

// `image` must be 32 bits a pixel (RGB32 or ARGB32) and outlive the rows.
codec::PixelRows rowsOf(const QImage& image) {
  return {image.constBits(),       image.bytesPerLine(),  image.width(),        image.height(),
          image.hasAlphaChannel(), image.dotsPerMeterX(), image.dotsPerMeterY()};
}

}  // namespace

std::vector<std::uint8_t> pngBytes(const QImage& image) {
  const bool alpha = image.hasAlphaChannel();
  const QImage pixels = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  return codec::encodePng(rowsOf(pixels));
}

std::vector<std::uint8_t> bmpBytes(const QImage& image) {
  if (image.format() != QImage::Format_RGB32) return {};
  return codec::encodeBmp(rowsOf(image));
}

}  // namespace spreadsheet::picture
