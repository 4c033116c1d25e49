#pragma once
#include <QImage>
#include <optional>

#include "spreadsheet/picture/picture_file.h"

namespace spreadsheet::picture {

// A clipboard private to this process, so copying a picture of a range never
// touches the user's own clipboard. Safe to use from several threads.
void putPicture(QImage image);
// The last picture put there, or nullopt when it is empty.
std::optional<QImage> clipboardPicture();
void clearClipboard();

}  // namespace spreadsheet::picture
