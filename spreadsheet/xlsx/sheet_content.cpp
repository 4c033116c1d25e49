#include "spreadsheet/xlsx/sheet_content.h"

#include <string>

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/units.h"

namespace spreadsheet::xlsx {

namespace {

lxw_row_t rowOf(int row) {
  return static_cast<lxw_row_t>(row - 1);
}
lxw_col_t columnOf(int column) {
  return static_cast<lxw_col_t>(column - 1);
}

// What the new file formats hold: the engine's whole sheet.
constexpr FileLimits kSheetLimits{kMaxRows, kMaxColumns, kMaxRowHeightPoints,
                                  kMaxColumnWidthCharacters};

// Row heights and column widths with their formats; widths stay in
// characters, which the file stores as the application shows them.
void writeLines(lxw_worksheet* target, const Worksheet& sheet, CellFormats& formats) {
  worksheet_set_default_row(target, sheet.defaultRowHeight(), LXW_FALSE);
  for (const auto& [row, info] : sheet.lines(Axis::Rows)) {
    lxw_row_col_options options{};
    options.hidden = info.hidden ? 1 : 0;
    check(worksheet_set_row_opt(target, rowOf(row), info.size.value_or(sheet.defaultRowHeight()),
                                info.style ? formats.formatOf(*info.style) : nullptr, &options),
          "a row height");
  }
  for (const auto& [column, info] : sheet.lines(Axis::Columns)) {
    lxw_row_col_options options{};
    options.hidden = info.hidden ? 1 : 0;
    check(worksheet_set_column_opt(target, columnOf(column), columnOf(column),
                                   info.size.value_or(sheet.defaultColumnWidth()),
                                   info.style ? formats.formatOf(*info.style) : nullptr, &options),
          "a column width");
  }
}

// The merged areas before the cells: the library fills an area with blanks
// that the cells written afterwards replace.
void writeMerges(lxw_worksheet* target, const Worksheet& sheet, CellFormats& formats) {
  for (const CellRange& area : sheet.mergedAreas())
    check(worksheet_merge_range(target, rowOf(area.first.row), columnOf(area.first.column),
                                rowOf(area.last.row), columnOf(area.last.column), "",
                                formats.formatOf(sheet.styleAt(area.first))),
          "a merged area");
}

// A formula with its cached result, A1 text from the engine's printer.
void writeFormula(lxw_worksheet* target, CellAddress at, const Cell& cell, lxw_format* format) {
  const std::string text = formula::print(*cell.formula, formula::Notation::A1, at);
  const lxw_row_t row = rowOf(at.row);
  const lxw_col_t column = columnOf(at.column);
  const CellValue& v = cell.value;
  if (v.isNumber()) {
    check(worksheet_write_formula_num(target, row, column, text.c_str(), format, v.number()),
          "a formula");
  } else if (v.isBoolean()) {
    check(
        worksheet_write_formula_num(target, row, column, text.c_str(), format, v.boolean() ? 1 : 0),
        "a formula");
  } else {
    check(
        worksheet_write_formula_str(target, row, column, text.c_str(), format, v.toText().c_str()),
        "a formula");
  }
}

void writeCell(lxw_worksheet* target, CellAddress at, const Cell& cell, lxw_format* format) {
  if (cell.formula) return writeFormula(target, at, cell, format);
  const lxw_row_t row = rowOf(at.row);
  const lxw_col_t column = columnOf(at.column);
  const CellValue& v = cell.value;
  if (v.isNumber()) {
    check(worksheet_write_number(target, row, column, v.number(), format), "a number");
  } else if (v.isText() && !v.text().empty()) {
    check(worksheet_write_string(target, row, column, v.text().c_str(), format), "a text");
  } else if (v.isBoolean()) {
    check(worksheet_write_boolean(target, row, column, v.boolean() ? 1 : 0, format),
          "a truth value");
  } else if (v.isError()) {
    // An error value has no cell type of its own here; the formula of the
    // error literal shows and reads the same.
    const std::string text(errorText(v.error()));
    check(worksheet_write_formula_str(target, row, column, ("=" + text).c_str(), format,
                                      text.c_str()),
          "an error value");
  } else {
    check(worksheet_write_blank(target, row, column, format), "a blank cell");
  }
}

std::uint8_t errorTypeOf(int alertStyle) {
  switch (alertStyle) {
    case xl::ValidAlertWarning:
      return LXW_VALIDATION_ERROR_TYPE_WARNING;
    case xl::ValidAlertInformation:
      return LXW_VALIDATION_ERROR_TYPE_INFORMATION;
    default:
      return LXW_VALIDATION_ERROR_TYPE_STOP;
  }
}

std::uint8_t onOff(bool on) {
  return on ? LXW_VALIDATION_ON : LXW_VALIDATION_OFF;
}

// Empty texts stay absent: the library refuses an empty title.
char* textOrNull(const std::string& text) {
  return text.empty() ? nullptr : const_cast<char*>(text.c_str());
}

void writeValidation(lxw_worksheet* target, const Validation& rule) {
  lxw_data_validation v{};
  std::string formula1;
  if (rule.type == xl::ValidateList && rule.formula1) {
    const CellAddress origin = rule.ranges.front().first;
    formula1 = formula::print(*rule.formula1, formula::Notation::A1, origin);
    v.validate = LXW_VALIDATION_TYPE_LIST_FORMULA;
    v.value_formula = formula1.data();
  } else if (rule.type == xl::ValidateInputOnly) {
    v.validate = LXW_VALIDATION_TYPE_ANY;
  } else {
    throw Error(
        "Cannot write the workbook: only list and input-message validations are supported.");
  }
  v.ignore_blank = onOff(rule.ignoreBlank);
  v.dropdown = onOff(rule.inCellDropdown);
  v.show_input = onOff(rule.showInput);
  v.show_error = onOff(rule.showError);
  v.error_type = errorTypeOf(rule.alertStyle);
  v.input_title = textOrNull(rule.inputTitle);
  v.input_message = textOrNull(rule.inputMessage);
  v.error_title = textOrNull(rule.errorTitle);
  v.error_message = textOrNull(rule.errorMessage);
  for (const CellRange& r : rule.ranges)
    check(worksheet_data_validation_range(target, rowOf(r.first.row), columnOf(r.first.column),
                                          rowOf(r.last.row), columnOf(r.last.column), &v),
          "a validation");
}

constexpr double kPointsPerInch = 72;

void writePageSetup(lxw_worksheet* target, const PageSetup& page) {
  if (page.orientation == xl::Landscape)
    worksheet_set_landscape(target);
  else
    worksheet_set_portrait(target);
  worksheet_set_paper(target, static_cast<std::uint8_t>(page.paperSize));
  worksheet_set_margins(target, page.leftMargin / kPointsPerInch, page.rightMargin / kPointsPerInch,
                        page.topMargin / kPointsPerInch, page.bottomMargin / kPointsPerInch);
  lxw_header_footer_options header{page.headerMargin / kPointsPerInch, nullptr, nullptr, nullptr};
  lxw_header_footer_options footer{page.footerMargin / kPointsPerInch, nullptr, nullptr, nullptr};
  check(worksheet_set_header_opt(target, "", &header), "the header margin");
  check(worksheet_set_footer_opt(target, "", &footer), "the footer margin");
  if (page.zoom)
    worksheet_set_print_scale(target, static_cast<std::uint16_t>(*page.zoom));
  else
    worksheet_fit_to_pages(target, static_cast<std::uint16_t>(page.fitToPagesWide),
                           static_cast<std::uint16_t>(page.fitToPagesTall));
  if (const auto& area = page.printArea)
    check(worksheet_print_area(target, rowOf(area->first.row), columnOf(area->first.column),
                               rowOf(area->last.row), columnOf(area->last.column)),
          "the print area");
}

// A button at the cell and offset its pixel box falls on, as every format
// anchors it. The library draws the caption in its own font: it has no
// setting for the caption's font.
void writeButton(lxw_worksheet* target, const Worksheet& sheet, const Button& button) {
  const PixelBox box = ButtonPixels(button);
  const CellAnchor anchor = AnchorOf(sheet, box, kSheetLimits);
  lxw_button_options options{};
  options.caption = const_cast<char*>(button.text.c_str());
  options.macro = textOrNull(button.onAction);
  options.width = static_cast<std::uint16_t>(box.width);
  options.height = static_cast<std::uint16_t>(box.height);
  options.x_offset = anchor.column1.offset;
  options.y_offset = anchor.row1.offset;
  check(worksheet_insert_button(target, rowOf(anchor.row1.line), columnOf(anchor.column1.line),
                                &options),
        "a button");
}

}  // namespace

void check(lxw_error result, const char* what) {
  if (result != LXW_NO_ERROR)
    throw Error(std::string("Cannot write the workbook: ") + what + " was refused (" +
                lxw_strerror(result) + ").");
}

void writeSheet(lxw_worksheet* target, const Worksheet& sheet, CellFormats& formats,
                Macros macros) {
  writeLines(target, sheet, formats);
  writeMerges(target, sheet, formats);
  for (const auto& [at, cell] : sheet.cells())
    writeCell(target, at, cell, formats.formatOf(cell.style));
  for (const Validation& rule : sheet.validations()) writeValidation(target, rule);
  writePageSetup(target, sheet.pageSetup());
  // No password; contents, objects and scenarios, as Protect without arguments.
  if (sheet.isProtected()) worksheet_protect(target, nullptr, nullptr);
  if (macros == Macros::LeftOut) return;
  if (!sheet.codeName().empty())
    check(worksheet_set_vba_name(target, sheet.codeName().c_str()), "a code name");
  for (const Button& button : sheet.buttons()) writeButton(target, sheet, button);
}

}  // namespace spreadsheet::xlsx
