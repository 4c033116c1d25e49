#include "generator/layout_blocks.h"
#include "spreadsheet/api/api.h"

namespace generator::layout {

namespace xl = spreadsheet::xl;

namespace {

constexpr int kAuto = xl::ColorAutomatic;
constexpr int kGrey = 16;

// A merged label, then an empty merged line to write on.
void labelWithLine(Excel& app, const std::string& label, const std::string& text,
                   const std::string& line) {
  WriteCell(app, label, text, true);
  WriteCell(app, line, "", true);
  SetEdgeBorder(app, xl::EdgeBottom, kGrey);
}

// A merged label, then a centred merged date cell with its line.
void weekDate(Excel& app, const std::string& label, const std::string& text,
              const std::string& cell, const std::string& content, const SheetOptions& options) {
  WriteCell(app, label, text, true);
  WriteCell(app, cell, content, true);
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
  const spreadsheet::CellAddress cell = base.weekStartCell();
  const std::string start = "R" + std::to_string(cell.row) + "C" + std::to_string(cell.column);
  return "=IF(" + start + "=0,\"\"," + start + "+" + std::to_string(WeekEndOffset(weeks)) + ")";
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
  if (fields[CompanyName]) {
    WriteCell(app, "C2:K2", std::string(texts.companyName), true);
    SetFont(app, "Bold", 22, kAuto);
    AlignSelection(app, xl::Left);
    FillInterior(app, "", 2);
  }
  if (fields[Address1]) WriteCell(app, "D4:H4", std::string(texts.address1), true);
  if (fields[Address2]) WriteCell(app, "D5:H5", std::string(texts.address2), true);
  const std::string city = cityLine(fields, texts);
  if (!city.empty()) WriteCell(app, "D6:H6", city, true);
  if (fields[EmployeeName]) labelWithLine(app, "I4:J4", std::string(texts.employeeName), "K4:M4");
  if (fields[ManagerName]) labelWithLine(app, "I5:J5", std::string(texts.managerName), "K5:M5");
  if (fields[WeekStarting])
    weekDate(app, "O4:P4", std::string(texts.weekStarting), "R4:S4", WeekStartContent(options),
             options);
  if (fields[WeekEnding])
    weekDate(app, "O5:P5", std::string(texts.weekEnding), "R5:S5", weekEndContent(base, weeks),
             options);
  app.Rows("4:6").Select();
  SetFont(app, "General", 9, kAuto);
  app.Rows("25:25").Select();
  SetFont(app, "General", 9, kGrey);
}

void SignatureBlocks(Excel& app, const FieldFlags& fields, const SheetTexts& texts) {
  const std::string date(texts.date);
  if (fields[EmployeeSignature]) {
    WriteCell(app, "D25:H25", std::string(texts.employeeSignature), true);
    AlignSelection(app, xl::Center);
    signatureLine(app, "B24:J24");
    WriteCell(app, "I25", date, false);
  }
  if (fields[ManagerSignature]) {
    signatureLine(app, "M24:S24");
    WriteCell(app, "M25:Q25", std::string(texts.managerSignature), true);
    AlignSelection(app, xl::Center);
    WriteCell(app, "R25", date, false);
  }
}

void Title(Excel& app, const SheetTexts& texts) {
  WriteCell(app, "C1:V1", std::string(texts.title), true);
  AlignSelection(app, xl::Left);
  SetFont(app, "Bold", 24, kAuto);
}

}  // namespace generator::layout
