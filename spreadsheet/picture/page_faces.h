#pragma once
#include <QString>
#include <memory>

#include "spreadsheet/pdf/shaping_face.h"

namespace spreadsheet::picture {

// The face a printed page's text is laid out in for a family as drawnFamily
// names it, bold and italic or not, opened from its file (found without the
// desktop's font database); nullptr when the family is not one of the
// Liberation families or its file is not found. Throws spreadsheet::Error
// when the file is damaged. Each file is opened once a run.
std::shared_ptr<const pdf::ShapingFace> ownFace(const QString& family, bool bold, bool italic);

}  // namespace spreadsheet::picture
