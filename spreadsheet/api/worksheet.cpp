#include "spreadsheet/api/worksheet.h"

#include <algorithm>
#include <cctype>

#include "spreadsheet/api/application.h"
#include "spreadsheet/api/application_state.h"
#include "spreadsheet/edit/references.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::api {

namespace {

CellRange wholeSheet() {
  return CellRange::of(1, 1, kMaxRows, kMaxColumns);
}

bool allDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c));
  });
}
bool allLetters(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
    return std::isalpha(static_cast<unsigned char>(c));
  });
}

}  // namespace

// ---- Worksheet --------------------------------------------------------------

Worksheet::Worksheet(std::shared_ptr<Application> app, spreadsheet::Worksheet* sheet)
    : app_(std::move(app)), sheet_(sheet) {}

spreadsheet::Worksheet& Worksheet::model() const {
  app_->state().bookOf(sheet_);
  return *sheet_;
}

std::string Worksheet::Name() const {
  return model().name();
}

void Worksheet::setName(const std::string& name) {
  spreadsheet::Worksheet& sheet = model();
  if (name == sheet.name()) return;
  if (name.empty() || name.size() > 31) throw Error("A sheet name must have 1 to 31 characters.");
  if (name.find_first_of(":\\/?*[]") != std::string::npos || name.front() == '\'' ||
      name.back() == '\'')
    throw Error("The sheet name \"" + name + "\" contains a character that is not allowed.");
  spreadsheet::Worksheet* other = sheet.workbook().findSheet(name);
  if (other && other != &sheet) throw Error("That name is already taken. Try a different one.");
  const std::string old = sheet.name();
  sheet.setName(name);
  edit::renameSheetReferences(sheet.workbook(), old, name);
  markChanged(*app_, sheet);
}

int Worksheet::Index() const {
  return model().workbook().sheetIndex(*sheet_) + 1;
}

void Worksheet::Select() {
  OpenBook& open = app_->state().bookOf(sheet_);
  open.activeSheet = static_cast<std::size_t>(open.book->sheetIndex(*sheet_));
  app_->state().activeBook = &open;
}

void Worksheet::Delete() {
  ApplicationState& st = app_->state();
  OpenBook& open = st.bookOf(sheet_);
  spreadsheet::Workbook& book = *open.book;
  if (book.sheetCount() == 1)
    throw Error("A workbook must contain at least one visible worksheet.");
  const std::size_t index = static_cast<std::size_t>(book.sheetIndex(*sheet_));
  const std::string name = sheet_->name();
  if (st.clipboardSheet == sheet_) {
    st.clipboard.reset();
    st.clipboardSheet = nullptr;
  }
  open.views.erase(sheet_);
  book.removeSheet(index);
  edit::invalidateSheetReferences(book, name);
  std::erase_if(book.names(),
                [&](const DefinedName& n) { return n.sheetScope == static_cast<int>(index) + 1; });
  for (DefinedName& n : book.names())
    if (n.sheetScope > static_cast<int>(index) + 1) --n.sheetScope;
  if (open.activeSheet >= index && open.activeSheet > 0) --open.activeSheet;
  open.dirty = true;
}

api::Range Worksheet::UsedRange() const {
  std::optional<CellRange> used = model().usedRange();
  return api::Range(app_, sheet_, {used.value_or(CellRange::of({1, 1}))});
}

api::Buttons Worksheet::Buttons() const {
  return api::Buttons(app_, &model());
}
api::PageSetup Worksheet::PageSetup() const {
  return api::PageSetup(app_, &model());
}

api::Range Worksheet::Range(const std::string& address) const {
  auto [sheet, areas] = resolveAddress(model(), address);
  return api::Range(app_, sheet, std::move(areas));
}

api::Range Worksheet::Rows(const std::string& address) const {
  std::string text = address;
  if (allDigits(text)) text += ":" + text;
  auto [sheet, areas] = resolveAddress(model(), text);
  return api::Range(app_, sheet, std::move(areas), api::Range::View::Rows);
}

api::Range Worksheet::Columns(const std::string& address) const {
  std::string text = address;
  if (allLetters(text)) text += ":" + text;
  auto [sheet, areas] = resolveAddress(model(), text);
  return api::Range(app_, sheet, std::move(areas), api::Range::View::Columns);
}

api::Range Worksheet::Cells() const {
  return api::Range(app_, &model(), {wholeSheet()});
}

api::Range Worksheet::Cells(int row, int column) const {
  if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns)
    throw Error("Application-defined or object-defined error");
  return api::Range(app_, &model(), {CellRange::of({row, column})});
}

void Worksheet::Protect() {
  model().setProtected(true);
}

void Worksheet::Unprotect() {
  model().setProtected(false);
}

bool Worksheet::ProtectContents() const {
  return model().isProtected();
}

// ---- PageSetup --------------------------------------------------------------

PageSetup::PageSetup(std::shared_ptr<Application> app, spreadsheet::Worksheet* sheet)
    : app_(std::move(app)), sheet_(sheet) {}

spreadsheet::PageSetup& PageSetup::model() const {
  app_->state().bookOf(sheet_);
  return sheet_->pageSetup();
}

std::string PageSetup::PrintArea() const {
  const auto& area = model().printArea;
  return area ? absoluteAddress(*area) : std::string();
}

void PageSetup::setPrintArea(const std::string& address) {
  spreadsheet::PageSetup& setup = model();
  if (address.empty()) {
    setup.printArea.reset();
    return;
  }
  auto [sheet, areas] = resolveAddress(*sheet_, address);
  if (sheet != sheet_ || areas.size() != 1)
    throw Error("Unable to set the PrintArea property of the PageSetup class");
  setup.printArea = areas.front();
}

namespace {
double checkedMargin(double points) {
  if (!(points >= 0 && points <= 1584))
    throw Error("Unable to set the margin property of the PageSetup class");
  return points;
}
}  // namespace

double PageSetup::LeftMargin() const {
  return model().leftMargin;
}
void PageSetup::setLeftMargin(double p) {
  model().leftMargin = checkedMargin(p);
}
double PageSetup::RightMargin() const {
  return model().rightMargin;
}
void PageSetup::setRightMargin(double p) {
  model().rightMargin = checkedMargin(p);
}
double PageSetup::TopMargin() const {
  return model().topMargin;
}
void PageSetup::setTopMargin(double p) {
  model().topMargin = checkedMargin(p);
}
double PageSetup::BottomMargin() const {
  return model().bottomMargin;
}
void PageSetup::setBottomMargin(double p) {
  model().bottomMargin = checkedMargin(p);
}
double PageSetup::HeaderMargin() const {
  return model().headerMargin;
}
void PageSetup::setHeaderMargin(double p) {
  model().headerMargin = checkedMargin(p);
}
double PageSetup::FooterMargin() const {
  return model().footerMargin;
}
void PageSetup::setFooterMargin(double p) {
  model().footerMargin = checkedMargin(p);
}
int PageSetup::Orientation() const {
  return model().orientation;
}
void PageSetup::setOrientation(int o) {
  if (o != xl::Portrait && o != xl::Landscape)
    throw Error("Unable to set the Orientation property of the PageSetup class");
  model().orientation = o;
}
int PageSetup::PaperSize() const {
  return model().paperSize;
}
void PageSetup::setPaperSize(int size) {
  if (size < 1 || size > 255)
    throw Error("Unable to set the PaperSize property of the PageSetup class");
  model().paperSize = size;
}
std::optional<int> PageSetup::Zoom() const {
  return model().zoom;
}
void PageSetup::setZoom(std::optional<int> percent) {
  if (percent && (*percent < 10 || *percent > 400))
    throw Error("Unable to set the Zoom property of the PageSetup class");
  model().zoom = percent;
}
int PageSetup::FitToPagesWide() const {
  return model().fitToPagesWide;
}
void PageSetup::setFitToPagesWide(int pages) {
  if (pages < 0 || pages > 32767)
    throw Error("Unable to set the FitToPagesWide property of the PageSetup class");
  model().fitToPagesWide = pages;
}
int PageSetup::FitToPagesTall() const {
  return model().fitToPagesTall;
}
void PageSetup::setFitToPagesTall(int pages) {
  if (pages < 0 || pages > 32767)
    throw Error("Unable to set the FitToPagesTall property of the PageSetup class");
  model().fitToPagesTall = pages;
}
int PageSetup::PrintComments() const {
  return model().printComments;
}
void PageSetup::setPrintComments(int mode) {
  if (mode != xl::PrintNoComments && mode != xl::PrintSheetEnd && mode != xl::PrintInPlace)
    throw Error("Unable to set the PrintComments property of the PageSetup class");
  model().printComments = mode;
}

}  // namespace spreadsheet::api
