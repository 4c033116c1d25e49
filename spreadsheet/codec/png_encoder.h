#pragma once
#include <cstdint>
#include <vector>

#include "spreadsheet/codec/pixel_rows.h"

namespace spreadsheet::codec {

// The pixels as a standard PNG file (8 bits per channel: RGB, or RGBA when
// their alpha counts), made for pictures that are mostly one flat
// colour: where a row equals the one above, its bytes are zeros that are
// never read again, and the compressor looks only for runs (see
// RunDeflater). Throws spreadsheet::Error when there are no pixels or too
// many for a PNG file.
std::vector<std::uint8_t> encodePng(const PixelRows& image);

}  // namespace spreadsheet::codec
