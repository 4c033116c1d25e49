// The range's picture, apart from the rest of Range: only programs that draw
// link the picture library (and Qt Gui) through it.
#include "spreadsheet/api/application.h"
#include "spreadsheet/api/application_state.h"
#include "spreadsheet/api/range.h"
#include "spreadsheet/api/worksheet.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/picture/copy_picture.h"
#include "spreadsheet/picture/picture_source.h"

namespace spreadsheet::api {

void Range::CopyPicture() {
  spreadsheet::Worksheet& s = sheet();
  requireOneArea(areas_);
  ensureCalculated(*app_, s.workbook());
  if (!picture::copyRangePicture(s, areas_.front()))
    throw Error("CopyPicture method of Range class failed");
}

std::shared_ptr<const picture::PictureSource> Range::PictureSource() const {
  spreadsheet::Worksheet& s = sheet();
  requireOneArea(areas_);
  ensureCalculated(*app_, s.workbook());
  auto source = picture::rangeSource(app_->state().bookOf(&s).book, s, areas_.front());
  if (!source) throw Error("CopyPicture method of Range class failed");
  return source;
}

}  // namespace spreadsheet::api
