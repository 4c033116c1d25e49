#pragma once
#include <QImage>
#include <cstdint>
#include <vector>

// A picture as the bytes of an image file, through the codec library's
// encoders, which know pixels but not Qt's image type.
namespace spreadsheet::picture {

// PNG: RGBA when the image has an alpha channel, else RGB. Throws
// spreadsheet::Error on a null image or one too large for a PNG file.
std::vector<std::uint8_t> pngBytes(const QImage& image);

// A 24-bit BMP of an opaque 32-bit image (QImage::Format_RGB32); other images
// give an empty vector, and the caller uses Qt's writer.
std::vector<std::uint8_t> bmpBytes(const QImage& image);

}  // namespace spreadsheet::picture
