#include "sample_workbook.h"

#include <fstream>
#include <sstream>

#include "resources/macro_tables.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/vba/macro_project.h"

namespace interop {
namespace {

using namespace spreadsheet;
namespace fx = spreadsheet::formula;

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error("Cannot read " + path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class SheetWriter {
 public:
  explicit SheetWriter(Worksheet& ws) : ws_(ws), book_(ws.workbook()) {}

  Cell& at(const std::string& a1) { return ws_.cell(parseA1Range(a1).first); }
  void value(const std::string& a1, CellValue v, const Style& s) {
    Cell& c = at(a1);
    c.value = std::move(v);
    c.style = book_.styles().intern(s);
  }
  void formula(const std::string& a1, const std::string& r1c1, const Style& s) {
    const CellAddress where = parseA1Range(a1).first;
    Cell& c = ws_.cell(where);
    c.formula = fx::parse(r1c1, fx::Notation::R1C1, where);
    c.style = book_.styles().intern(s);
  }
  void merge(const std::string& a1) { ws_.mergedAreas().push_back(parseA1Range(a1)); }
  void width(int column, double w) { ws_.line(Axis::Columns, column).size = w; }
  void height(int row, double h) { ws_.line(Axis::Rows, row).size = h; }

 private:
  Worksheet& ws_;
  Workbook& book_;
};

Style withFormat(const std::string& format) {
  Style s;
  s.numberFormat = format;
  return s;
}

// A day block of two columns as the time sheet lays it out: name, date,
// start and end times, hours worked, breaks, daily total.
void dayBlock(SheetWriter& w, const std::string& left, const std::string& right, int k,
              const std::string& dayName) {
  Style title;
  title.font.bold = true;
  title.fillColorIndex = 55;
  title.horizontalAlignment = xl::Center;
  w.value(left + "9", dayName, title);
  w.merge(left + "9:" + right + "9");
  w.formula(left + "10", "=IF(R4C18=0,\"\",R4C18+" + std::to_string(k) + ")",
            withFormat("m/d/yyyy"));
  w.merge(left + "10:" + right + "10");
  Style time = withFormat("[$-409]h:mm AM/PM;@");
  for (int edge : {kLeft, kTop, kBottom, kRight}) time.borders[edge].lineStyle = xl::Continuous;
  w.value(left + "11", CellValue(), time);
  w.value(left + "12", CellValue(), time);
  w.value(right + "11", "Total", Style{});
  w.formula(right + "12",
            "=IF((OR(RC[-1]=\"\",R[-1]C[-1]=\"\")),0,IF((RC[-1]<R[-1]C[-1]),((RC[-1]-R[-1]C[-1])"
            "*24)+24,(RC[-1]-R[-1]C[-1])*24))",
            withFormat("0.00"));
  w.value(left + "14", CellValue(), withFormat("hh:mm"));
  w.value(left + "15", CellValue(), withFormat("hh:mm"));
  w.formula(right + "15",
            "=IF((AND(RC[-1]=\"\",R[-1]C[-1]=\"\")),0,IF((RC[-1]=\"\"),(((R[-1]C[-1]))*24),(RC[-1]+"
            "R[-1]C[-1])*24))",
            withFormat("0.00"));
  Style total = withFormat("0.00");
  total.font.bold = true;
  w.formula(left + "16", "=SUMIF(R[-4]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)", total);
  w.merge(left + "16:" + right + "16");
  w.merge(left + "18:" + right + "18");
}

// The quarter-hour list from 6:00 AM, and the break list with an empty head.
void timeLists(Workbook& book, SheetWriter& w) {
  for (int i = 1; i <= 95; ++i)
    w.value("AC" + std::to_string(200 + i), 0.25 + (i - 1) * 0.010416666666667,
            withFormat("h:mm AM/PM"));
  for (int i = 1; i <= 24; ++i)
    w.value("AD" + std::to_string(200 + i), i * 5 / 1440.0, withFormat("h:mm"));
  book.names().push_back(
      {"Time0", fx::parse("=TimeSheet!R201C29:R295C29", fx::Notation::R1C1, {1, 1}), 0});
  book.names().push_back(
      {"LunchTime", fx::parse("=TimeSheet!R200C30:R224C30", fx::Notation::R1C1, {1, 1}), 0});
}

Validation listValidation(const std::string& name, const std::string& message) {
  Validation v;
  v.type = xl::ValidateList;
  v.alertStyle = xl::ValidAlertStop;
  v.op = xl::Between;
  v.formula1 = fx::parse("=" + name, fx::Notation::A1, {1, 1});
  v.errorTitle = "Information";
  v.inputMessage = message;
  v.errorMessage = message;
  v.showInput = false;
  return v;
}

void sheetContent(Workbook& book, Worksheet& ws) {
  SheetWriter w(ws);
  Style heading;
  heading.font.bold = true;
  heading.font.size = 14;
  heading.horizontalAlignment = xl::Center;
  w.value("C1", "Time Sheet", heading);
  w.merge("C1:H1");
  w.value("R4", 38501, withFormat("m/d/yyyy"));
  dayBlock(w, "E", "F", 0, "Monday");
  dayBlock(w, "G", "H", 1, "Tuesday");
  w.value("E11", 0.25 + 8 * 0.010416666666667, withFormat("[$-409]h:mm AM/PM;@"));
  w.value("E12", 0.25 + 44 * 0.010416666666667, withFormat("[$-409]h:mm AM/PM;@"));
  w.value("E14", 30 / 1440.0, withFormat("hh:mm"));
  w.value("E18", 8, withFormat("0.00"));
  Style bold9 = withFormat("0.00");
  bold9.font.bold = true;
  bold9.font.size = 9;
  w.formula("S16", "=SUM(RC[-15]:RC[-2])", bold9);
  w.formula("S18", "=SUM(RC[-15]:RC[-2])", bold9);
  w.value("T18", 15, withFormat("$#,##0"));
  w.formula("U18", "=RC[-2]*RC[-1]",
            withFormat("_(* #,##0.00_);_(* (#,##0.00);_(* \"-\"??_);_(@_)"));
  w.formula("V1", "=R16C19>8", Style{});
  w.formula("V2", "=1/0", Style{});
  w.formula("V3", "=\"Week\"&\" 1\"", Style{});
  w.formula("V4", "=IF(R5C18=0,\"\",1)", Style{});
  timeLists(book, w);

  for (auto [column, width] : {std::pair{1, 0.92}, {2, 9.333}, {3, 7.0}, {4, 7.0}, {21, 12.5}})
    w.width(column, width);
  for (auto [row, height] : {std::pair{1, 27.75}, {9, 24.0}, {15, 25.5}}) w.height(row, height);

  Validation times = listValidation("Time0", "You must select time from the list on the right.");
  times.ranges = {parseA1Range("E11:E12"), parseA1Range("G11:G12")};
  ws.validations().push_back(times);
  Validation breaks = listValidation("LunchTime",
                                     "You must enter time in following format 00:30  "
                                     "(or choose it from the list on the right).");
  breaks.ranges = {parseA1Range("E14:E15"), parseA1Range("G14:G15")};
  ws.validations().push_back(breaks);
}

void pageAndButton(Worksheet& ws) {
  PageSetup& p = ws.pageSetup();
  p.printArea = parseA1Range("A1:U26");
  p.orientation = xl::Landscape;
  p.paperSize = xl::PaperA4;
  p.zoom = std::nullopt;
  p.fitToPagesWide = 1;
  p.fitToPagesTall = 1;
  p.leftMargin = p.rightMargin = 18;
  p.topMargin = p.bottomMargin = 36;

  Button b;
  b.id = 1;
  b.name = "Button 1";
  b.left = 144;
  b.top = 117.75;
  b.width = 81;
  b.height = 16.5;
  b.text = "Same as Previous";
  FontRun run;
  run.size = 8;
  b.runs = {run};
  b.onAction = "'CopyTimes 2'";
  ws.buttons().push_back(b);
  // The same macro without an argument, the form every reader understands.
  b.id = 2;
  b.name = "Button 2";
  b.left = 225;
  b.text = "Copy";
  b.onAction = "CopyTimes";
  ws.buttons().push_back(b);
}

}  // namespace

void buildSampleWorkbook(Workbook& book, const std::string& moduleFile) {
  Font font;
  font.name = "Arial Cyr";
  book.setDefaultFont(font);
  book.setCodeName("ThisWorkbook");
  Worksheet& ws = book.addSheet("TimeSheet");
  ws.setCodeName("Sheet1");
  sheetContent(book, ws);
  pageAndButton(ws);
  book.macroProject() = vba::buildMacroProject(
      {{"ThisWorkbook", true, "", std::string(vba::kWorkbookClassId)},
       {"Sheet1", true, "", std::string(vba::kWorksheetClassId)},
       {"Module1", false, macro_tables::Fill(readFile(moduleFile), {}, macro_tables::Dialect::Vba),
        ""}});
  fx::recalculate(book);
}

}  // namespace interop
