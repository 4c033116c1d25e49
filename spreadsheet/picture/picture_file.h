#pragma once
#include <QImage>
#include <string>

namespace spreadsheet::picture {

// Writes `image` to `path` as PNG when the name ends in ".png" (any case),
// else as BMP. The file is written whole or not at all: the picture goes to a
// temporary file beside `path` that replaces it only when complete. Returns
// false (and leaves any existing file untouched) on a null image or an I/O
// failure.
bool savePicture(const QImage& image, const std::string& path);

}  // namespace spreadsheet::picture
