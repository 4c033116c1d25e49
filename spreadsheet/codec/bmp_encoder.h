#pragma once
#include <cstdint>
#include <vector>

#include "spreadsheet/codec/pixel_rows.h"

namespace spreadsheet::codec {

// Opaque pixels as a 24-bit bottom-up BMP file, the same bytes as Qt's BMP
// writer gives, written row by row without a per-pixel detour. Pixels with
// alpha, no pixels or a picture too large for the format give an empty
// vector: the caller writes those another way.
std::vector<std::uint8_t> encodeBmp(const PixelRows& image);

}  // namespace spreadsheet::codec
