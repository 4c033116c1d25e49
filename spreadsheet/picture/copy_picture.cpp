#include "spreadsheet/picture/copy_picture.h"

#include "spreadsheet/picture/clipboard.h"
#include "spreadsheet/picture/sheet_picture.h"

namespace spreadsheet::picture {

bool copyRangePicture(const Worksheet& sheet, const CellRange& range) {
  QImage image = renderRange(sheet, range);
  if (image.isNull()) return false;
  putPicture(std::move(image));
  return true;
}

}  // namespace spreadsheet::picture
