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

// The picture in the file at `path`; a null image when there is none or it is
// not a picture. When the file is still the one this process last wrote with
// writePictureFile (same size and modification time), that picture is handed
// over without decoding the file again, and forgotten.
QImage readPictureFile(const std::string& path);

}  // namespace spreadsheet::picture
