#pragma once
#include <QImage>
#include <QRect>
#include <QSize>

#include "spreadsheet/picture/picture_source.h"

namespace preview {

// The pixels of `part` of `source` scaled to `whole` (device pixels of the
// whole drawn picture): each pixel the average of the source pixels it covers,
// weighted by how much of each it covers. A pixel depends on its own position
// only, so parts laid side by side give exactly the whole scaled at once: the
// viewer draws tiles without seams. Throws std::runtime_error when the memory
// for the part cannot be had.
QImage scaledPart(const spreadsheet::picture::PictureSource& source, QSize whole,
                  const QRect& part);

}  // namespace preview
