#pragma once
#include <QImage>
#include <string>

namespace spreadsheet::picture {

// Writes `image` to `path` as PNG when the name ends in ".png" (any case), else
// as BMP, through the whole-or-nothing file writer: an existing file is replaced
// only by a complete picture. Throws spreadsheet::Error naming the path.
void writePictureFile(const QImage& image, const std::string& path);

// writePictureFile for callers that report a failure in words of their own:
// false (and any existing file untouched) on a null image or an I/O failure.
bool savePicture(const QImage& image, const std::string& path);

}  // namespace spreadsheet::picture
