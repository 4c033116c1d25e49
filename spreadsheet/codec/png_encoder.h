#pragma once
#include <QImage>
#include <cstdint>
#include <vector>

namespace spreadsheet::codec {

// The image as a standard PNG file (8 bits per channel: RGB, or RGBA when the
// image has an alpha channel), made for pictures that are mostly one flat
// colour: where a row equals the one above, its bytes are zeros that are
// never read again, and the compressor looks only for runs (see
// RunDeflater). Throws spreadsheet::Error on a null image or one too large
// for a PNG file.
std::vector<std::uint8_t> encodePng(const QImage& image);

}  // namespace spreadsheet::codec
