#include "test_workbooks.h"

#include <random>

namespace spreadsheet::xls::testing {

FormulaNode number(double v) {
  FormulaNode n;
  n.kind = FormulaKind::Number;
  n.number = v;
  return n;
}

FormulaNode text(std::string s) {
  FormulaNode n;
  n.kind = FormulaKind::Text;
  n.text = std::move(s);
  return n;
}

FormulaNode cell(int row, int column, bool relative, std::string sheet) {
  FormulaNode n;
  n.kind = FormulaKind::Cell;
  n.first = n.last = {row, column, relative, relative};
  n.sheet = std::move(sheet);
  return n;
}

FormulaNode area(int r1, int c1, int r2, int c2, std::string sheet) {
  FormulaNode n;
  n.kind = FormulaKind::Area;
  n.first = {r1, c1, false, false};
  n.last = {r2, c2, false, false};
  n.sheet = std::move(sheet);
  return n;
}

FormulaNode name(std::string text) {
  FormulaNode n;
  n.kind = FormulaKind::Name;
  n.text = std::move(text);
  return n;
}

FormulaNode call(std::string function, std::vector<FormulaNode> args) {
  FormulaNode n;
  n.kind = FormulaKind::Function;
  n.text = std::move(function);
  n.children = std::move(args);
  return n;
}

FormulaNode binary(std::string op, FormulaNode a, FormulaNode b) {
  FormulaNode n;
  n.kind = FormulaKind::Binary;
  n.text = std::move(op);
  n.children = {std::move(a), std::move(b)};
  return n;
}

FormulaNode wrap(FormulaKind kind, FormulaNode inner, std::string op) {
  FormulaNode n;
  n.kind = kind;
  n.text = std::move(op);
  n.children = {std::move(inner)};
  return n;
}

namespace {

void fillSheet(Workbook& book, Worksheet& s) {
  Style header;
  header.font = book.defaultFont();
  header.font.bold = true;
  header.font.size = 12;
  header.fillColorIndex = 15;
  header.horizontalAlignment = xl::Center;
  header.verticalAlignment = xl::Center;
  header.wrapText = true;
  header.borders[kBottom] = {xl::Continuous, xl::Medium, 5};
  header.borders[kLeft] = {xl::Dash, xl::Thin, xl::ColorAutomatic};
  StyleId headerId = book.styles().intern(header);
  Style time;
  time.font = book.defaultFont();
  time.numberFormat = "h:mm";
  time.locked = false;
  StyleId timeId = book.styles().intern(time);

  Cell& title = s.cell({1, 1});
  title.value = "Time sheet";
  title.style = headerId;
  s.mergedAreas().push_back(CellRange::of(1, 1, 1, 6));
  for (int c = 2; c <= 6; ++c) s.cell({1, c}).style = headerId;  // formatted blanks: MULBLANK
  for (int r = 0; r < 1100; ++r) s.cell({3 + r, 1}).value = "Entry " + std::to_string(r);
  s.cell({3, 2}).value = 0.25;
  s.cell({3, 2}).style = timeId;
  s.cell({3, 3}).value = true;
  s.cell({3, 4}).value = ErrorCode::Div0;
  Cell& sum = s.cell({4, 2});
  sum.formula = call("SUM", {area(3, 2, 3, 3)});
  sum.value = 1.25;
  Cell& label = s.cell({4, 3});
  label.formula = call("IF", {binary(">", cell(3, 2), number(0)), text("yes"), text("no")});
  label.value = "yes";
  Cell& paren = s.cell({4, 4});
  paren.formula = binary("*", wrap(FormulaKind::Parentheses, binary("+", cell(3, 2), number(1.5))),
                         name("Rate"));
  paren.value = 2.5;
  Cell& other = s.cell({4, 5});
  other.formula = binary("&", cell(1, 1, false, "Other Sheet"), text(""));
  other.value = "";

  s.line(Axis::Columns, 1).size = 7;
  s.line(Axis::Columns, 2).size = 0.92;
  s.line(Axis::Columns, 3).size = 9.29;
  s.line(Axis::Columns, 4).style = timeId;
  s.line(Axis::Rows, 1).size = 30;
  s.line(Axis::Rows, 2).hidden = true;
  s.line(Axis::Rows, 2).size = 0;

  Validation v;
  v.ranges = {CellRange::of(3, 2, 10, 2)};
  v.type = xl::ValidateList;
  v.formula1 = name("Time0");
  v.inputTitle = "Time";
  v.inputMessage = "Pick a time";
  v.errorMessage = "Not a time";
  v.inCellDropdown = true;
  s.validations().push_back(v);
  Validation whole;
  whole.ranges = {CellRange::of(3, 5, 3, 5), CellRange::of(1, 8, kMaxRows, 8)};
  whole.type = xl::ValidateWholeNumber;
  whole.op = xl::Between;
  whole.alertStyle = xl::ValidAlertWarning;
  whole.formula1 = number(0);
  whole.formula2 = number(24);
  whole.inCellDropdown = false;
  s.validations().push_back(whole);

  Button b;
  b.id = 1;
  b.name = "Button 1";
  b.left = 300;
  b.top = 20;
  b.width = 96;
  b.height = 24;
  b.text = "Copy times";
  b.runs = {{0, "Arial", 10, true, false, xl::ColorAutomatic}, {5, "Arial", 8, false, true, 3}};
  b.onAction = "'CopyTimes 2'";
  s.buttons().push_back(b);

  PageSetup& p = s.pageSetup();
  p.printArea = CellRange::of(1, 1, 26, 21);
  p.orientation = xl::Landscape;
  p.paperSize = xl::PaperA4;
  p.zoom.reset();
  p.fitToPagesWide = 1;
  p.fitToPagesTall = 1;
  p.leftMargin = 18;
  p.headerMargin = 9;
  p.printComments = xl::PrintSheetEnd;
  s.setCodeName("Sheet1");
}

}  // namespace

std::unique_ptr<Workbook> fullWorkbook() {
  auto book = std::make_unique<Workbook>();
  book->palette()[14] = rgb(0xDD, 0xEE, 0xFF);
  Worksheet& main = book->addSheet("Time Sheet");
  Worksheet& other = book->addSheet("Other Sheet");
  other.cell({1, 1}).value = "other";
  other.setCodeName("Sheet2");
  fillSheet(*book, main);
  book->names().push_back({"Rate", number(2), 0});
  book->names().push_back({"Time0", area(200, 1, 295, 1, "Time Sheet"), 0});
  book->names().push_back({"Local", area(1, 1, 2, 2, "Other Sheet"), 2});
  book->setCodeName("ThisWorkbook");
  MacroProject project;
  project.streams["_VBA_PROJECT_CUR/PROJECT"] = {'I', 'D', '='};
  project.streams["_VBA_PROJECT_CUR/VBA/dir"] = std::vector<unsigned char>(5000, 0x42);
  project.streams["_VBA_PROJECT_CUR/VBA/Module1"] = {1, 2, 3};
  book->macroProject() = project;
  return book;
}

TempFolder::TempFolder() {
  std::random_device rd;
  path_ = std::filesystem::temp_directory_path() / ("xls_test_" + std::to_string(rd()));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
  std::filesystem::remove_all(path_, ec);
}

}  // namespace spreadsheet::xls::testing
