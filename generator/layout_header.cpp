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

// "[City, State, ZIP]" from whichever of the three are on; empty when none is.
std::string cityLine(const FieldFlags& fields) {
  std::string text;
  const auto add = [&](bool on, const char* part) {
    if (!on) return;
    if (!text.empty()) text += ", ";
    text += part;
  };
  add(fields[City], "City");
  add(fields[State], "State");
  add(fields[Zip], "ZIP");
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

void HeaderBlock(Excel& app, const FieldFlags& fields, const SheetOptions& options) {
  if (fields[CompanyName]) {
    WriteCell(app, "C2:K2", "[Company Name]", true);
    SetFont(app, "Bold", 22, kAuto);
    AlignSelection(app, xl::Left);
    FillInterior(app, "", 2);
  }
  if (fields[Address1]) WriteCell(app, "D4:H4", "[Address 1] ", true);
  if (fields[Address2]) WriteCell(app, "D5:H5", "[Address 2]", true);
  const std::string city = cityLine(fields);
  if (!city.empty()) WriteCell(app, "D6:H6", city, true);
  if (fields[EmployeeName]) labelWithLine(app, "I4:J4", "Employee name:", "K4:M4");
  if (fields[ManagerName]) labelWithLine(app, "I5:J5", "Manager name:", "K5:M5");
  if (fields[WeekStarting])
    weekDate(app, "O4:P4", "Week starting:", "R4:S4", WeekStartContent(options), options);
  if (fields[WeekEnding])
    weekDate(app, "O5:P5", "Week ending:", "R5:S5", "=IF(R4C18=0,\"\",R4C18+6)", options);
  app.Rows("4:6").Select();
  SetFont(app, "General", 9, kAuto);
  app.Rows("25:25").Select();
  SetFont(app, "General", 9, kGrey);
}

void SignatureBlocks(Excel& app, const FieldFlags& fields) {
  if (fields[EmployeeSignature]) {
    WriteCell(app, "D25:H25", "Employee signature", true);
    AlignSelection(app, xl::Center);
    signatureLine(app, "B24:J24");
    WriteCell(app, "I25", "Date", false);
  }
  if (fields[ManagerSignature]) {
    signatureLine(app, "M24:S24");
    WriteCell(app, "M25:Q25", "Manager signature", true);
    AlignSelection(app, xl::Center);
    WriteCell(app, "R25", "Date", false);
  }
}

void Title(Excel& app) {
  WriteCell(app, "C1:V1", "Weekly Time Sheet", true);
  AlignSelection(app, xl::Left);
  SetFont(app, "Bold", 24, kAuto);
}

}  // namespace generator::layout
