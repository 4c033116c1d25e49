#include "generator/layout_blocks.h"
#include "spreadsheet/api/api.h"

namespace generator::layout {

namespace xl = spreadsheet::xl;

namespace {

constexpr int kAuto = xl::ColorAutomatic;
constexpr int kGrey = 16;

// A merged label, then an empty merged line to write on.
void labelWithLine(Excel& app, const LabelledCells& cells, const std::string& text) {
  WriteCell(app, A1(cells.label), text, true);
  WriteCell(app, A1(cells.cells), "", true);
  SetEdgeBorder(app, xl::EdgeBottom, kGrey);
}

// A merged label, then a centred merged date cell with its line.
void weekDate(Excel& app, const LabelledCells& cells, const std::string& text,
              const std::string& content, const SheetOptions& options) {
  WriteCell(app, A1(cells.label), text, true);
  WriteCell(app, A1(cells.cells), content, true);
  AlignSelection(app, xl::Center);
  SetNumberFormat(app, "", DateFormat(options));
  SetEdgeBorder(app, xl::EdgeBottom, kGrey);
}

// The sheet's last day: the week start plus the sheet's days, or, when the
// dates count back from it, the date itself.
std::string weekEndContent(const SheetGeometry& base, int weeks) {
  const SheetOptions& o = base.options();
  if (base.datesCountBack()) {
    if (o.weekStart == WeekStartKind::Empty) return "";
    const int start =
        o.weekStart == WeekStartKind::Given ? o.weekStartSerial : ExampleWeekStart(o.firstDay);
    return std::to_string(start + WeekEndOffset(weeks));
  }
  return WeekEndFormula(base, weeks);
}

// "[City, State, ZIP]" from whichever of the three are on; empty when none is.
std::string cityLine(const FieldFlags& fields, const SheetTexts& texts) {
  std::string text;
  const auto add = [&](bool on, std::string_view part) {
    if (!on) return;
    if (!text.empty()) text += ", ";
    text += part;
  };
  add(fields[City], texts.city);
  add(fields[State], texts.state);
  add(fields[Zip], texts.zip);
  return text.empty() ? text : "[" + text + "]";
}

// The line above a signature caption and its "Date".
void signatureLine(Excel& app, const std::string& range) {
  app.Range(range).Select();
  for (int index : {xl::DiagonalDown, xl::DiagonalUp, xl::EdgeLeft, xl::EdgeTop})
    ClearEdgeBorder(app, index);
  SetEdgeBorder(app, xl::EdgeBottom, kGrey);
  ClearEdgeBorder(app, xl::EdgeRight);
  ClearEdgeBorder(app, xl::InsideVertical);
}

}  // namespace

void HeaderBlock(Excel& app, const FieldFlags& fields, const SheetGeometry& base, int weeks) {
  const SheetOptions& options = base.options();
  const SheetTexts& texts = base.texts();
  const HeaderCells h = base.header();
  if (fields[CompanyName]) {
    WriteCell(app, A1(h.company), std::string(texts.companyName), true);
    SetFont(app, "Bold", 22, kAuto);
    AlignSelection(app, xl::Left);
    FillInterior(app, "", 2);
  }
  if (fields[Address1]) WriteCell(app, A1(h.address1), std::string(texts.address1), true);
  if (fields[Address2]) WriteCell(app, A1(h.address2), std::string(texts.address2), true);
  const std::string city = cityLine(fields, texts);
  if (!city.empty()) WriteCell(app, A1(h.cityLine), city, true);
  if (fields[EmployeeName]) labelWithLine(app, h.employeeName, std::string(texts.employeeName));
  if (fields[ManagerName]) labelWithLine(app, h.managerName, std::string(texts.managerName));
  if (fields[WeekStarting])
    weekDate(app, h.weekStarting, std::string(texts.weekStarting), WeekStartContent(options),
             options);
  if (fields[WeekEnding])
    weekDate(app, h.weekEnding, std::string(texts.weekEnding), weekEndContent(base, weeks),
             options);
  app.Rows(RowsA1(h.smallPrintFirstRow, h.smallPrintLastRow)).Select();
  SetFont(app, "General", 9, kAuto);
  app.Rows(RowsA1(base.signatureCaptionRow(), base.signatureCaptionRow())).Select();
  SetFont(app, "General", 9, kGrey);
}

void SignatureBlocks(Excel& app, const FieldFlags& fields, const SheetGeometry& base) {
  const SheetTexts& texts = base.texts();
  const std::string date(texts.date);
  if (fields[EmployeeSignature]) {
    const SignatureCells employee = base.employeeSignature();
    WriteCell(app, A1(employee.caption), std::string(texts.employeeSignature), true);
    AlignSelection(app, xl::Center);
    signatureLine(app, A1(employee.line));
    WriteCell(app, A1(employee.date), date, false);
  }
  if (fields[ManagerSignature]) {
    const SignatureCells manager = base.managerSignature();
    signatureLine(app, A1(manager.line));
    WriteCell(app, A1(manager.caption), std::string(texts.managerSignature), true);
    AlignSelection(app, xl::Center);
    WriteCell(app, A1(manager.date), date, false);
  }
}

void Title(Excel& app, const SheetTexts& texts) {
  WriteCell(app, A1(SheetGeometry::titleCells()), std::string(texts.title), true);
  AlignSelection(app, xl::Left);
  SetFont(app, "Bold", 24, kAuto);
}

}  // namespace generator::layout
