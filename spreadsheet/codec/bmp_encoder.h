#pragma once
#include <QImage>
#include <cstdint>
#include <vector>

namespace spreadsheet::codec {

// An opaque 32-bit image (QImage::Format_RGB32) as a 24-bit bottom-up BMP
// file, the same bytes as Qt's BMP writer gives, written row by row without
// a per-pixel detour. Other images give an empty vector: the caller uses Qt.
std::vector<std::uint8_t> encodeBmp(const QImage& image);

}  // namespace spreadsheet::codec
