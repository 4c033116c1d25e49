#include "generator/day_columns.h"
#include "generator/layout_primitives.h"
#include "generator/time_sheet.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/model/error.h"

namespace generator {

namespace {

void placeButton(spreadsheet::api::Application& app, const ButtonBox& box,
                 const SheetTexts& texts) {
  const std::string caption(texts.buttonCaption);
  auto button = app.ActiveSheet().Buttons().Add(box.left, box.top, box.width, box.height);
  button.Select();
  button.setOnAction("'CopyTimes " + std::to_string(box.dayColumn) + "'");
  button.setText(caption);
  auto font = button.Characters(1, static_cast<int>(caption.size())).Font();
  font.setName("Arial");
  font.setFontStyle("General");
  font.setSize(8);
  app.Range(A1(DayColumnSheetColumn(1), SheetGeometry::kDayNameRow)).Select();
}

}  // namespace

void AddSameAsPreviousButton(spreadsheet::api::Application& app, int column,
                             const SheetTexts& texts) {
  // The macros name day columns 1..40 only.
  if (column < 1 || column > kDayColumnTableSize)
    throw spreadsheet::Error("Subscript out of range");
  app.Range(A1(DayColumnSheetColumn(column), SheetGeometry::kDayNameRow)).Select();
  // No button where row 9 holds no day name.
  if (app.ActiveCell().Value().toText().size() <= 2) return;
  placeButton(app, SameAsPreviousBox(column), texts);
}

}  // namespace generator
