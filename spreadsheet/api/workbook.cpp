#include "spreadsheet/api/workbook.h"

#include "spreadsheet/api/application.h"
#include "spreadsheet/api/application_state.h"
#include "spreadsheet/formats/save_workbook.h"
#include "spreadsheet/formats/workbook_format.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::api {

namespace {

bool validName(const std::string& name) {
  if (name.empty() || name.size() > 255) return false;
  const unsigned char first = static_cast<unsigned char>(name[0]);
  if (!(std::isalpha(first) || first == '_' || first == '\\')) return false;
  for (char ch : name) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (!(std::isalnum(c) || c == '_' || c == '.' || c == '\\' || c == '?')) return false;
  }
  return true;
}

}  // namespace

// ---- Sheets -----------------------------------------------------------------

Sheets::Sheets(std::shared_ptr<Application> app, spreadsheet::Workbook* book)
    : app_(std::move(app)), book_(book) {}

int Sheets::Count() const {
  return static_cast<int>(app_->state().bookOf(book_).book->sheetCount());
}

api::Worksheet Sheets::Item(int index) const {
  spreadsheet::Workbook& book = *app_->state().bookOf(book_).book;
  if (index < 1 || index > static_cast<int>(book.sheetCount()))
    throw Error("Subscript out of range");
  return api::Worksheet(app_, &book.sheet(static_cast<std::size_t>(index - 1)));
}

api::Worksheet Sheets::Item(const std::string& name) const {
  spreadsheet::Workbook& book = *app_->state().bookOf(book_).book;
  spreadsheet::Worksheet* sheet = book.findSheet(name);
  if (!sheet) throw Error("Subscript out of range");
  return api::Worksheet(app_, sheet);
}

api::Worksheet Sheets::Add() {
  OpenBook& open = app_->state().bookOf(book_);
  spreadsheet::Workbook& book = *open.book;
  int n = static_cast<int>(book.sheetCount()) + 1;
  while (book.findSheet("Sheet" + std::to_string(n))) ++n;
  spreadsheet::Worksheet& sheet = book.addSheet("Sheet" + std::to_string(n));
  open.activeSheet = book.sheetCount() - 1;
  return api::Worksheet(app_, &sheet);
}

// ---- Names ------------------------------------------------------------------

Names::Names(std::shared_ptr<Application> app, spreadsheet::Workbook* book)
    : app_(std::move(app)), book_(book) {}

void Names::Add(const std::string& name, const std::string& refersToR1C1) {
  OpenBook& open = app_->state().bookOf(book_);
  if (!validName(name)) throw Error("The name that you entered is not valid.");
  std::string text = refersToR1C1;
  if (text.empty() || text[0] != '=') text = "=" + text;
  DefinedName defined{name, formula::parse(text, formula::Notation::R1C1, CellAddress{1, 1}), 0};
  auto& names = open.book->names();
  for (DefinedName& existing : names)
    if (existing.sheetScope == 0 && sameName(existing.name, name)) {
      existing = std::move(defined);
      open.dirty = true;
      return;
    }
  names.push_back(std::move(defined));
  open.dirty = true;
}

int Names::Count() const {
  return static_cast<int>(app_->state().bookOf(book_).book->names().size());
}

std::string Names::RefersToR1C1(const std::string& name) const {
  const spreadsheet::Workbook& book = *app_->state().bookOf(book_).book;
  const DefinedName* n = book.findName(name);
  if (!n) throw Error("Subscript out of range");
  return formula::print(n->formula, formula::Notation::R1C1, CellAddress{1, 1});
}

void Names::Delete(const std::string& name) {
  OpenBook& open = app_->state().bookOf(book_);
  const auto removed = std::erase_if(open.book->names(), [&](const DefinedName& n) {
    return n.sheetScope == 0 && sameName(n.name, name);
  });
  if (removed == 0) throw Error("Subscript out of range");
  open.dirty = true;
}

// ---- Workbook ---------------------------------------------------------------

Workbook::Workbook(std::shared_ptr<Application> app, spreadsheet::Workbook* book)
    : app_(std::move(app)), book_(book) {}

spreadsheet::Workbook& Workbook::model() const {
  return *app_->state().bookOf(book_).book;
}

std::string Workbook::Name() const {
  return app_->state().bookOf(book_).name;
}
std::string Workbook::FullName() const {
  return app_->state().bookOf(book_).fullName;
}

void Workbook::SaveAs(const std::string& path, int fileFormat,
                      const std::vector<ods::BasicModule>& basic) {
  OpenBook& open = app_->state().bookOf(book_);
  const auto format = formats::FormatForCode(fileFormat);
  if (!format)
    throw Error("SaveAs method of Workbook class failed: file format " +
                std::to_string(fileFormat) + " is not supported.");
  if (path.empty()) throw Error("SaveAs method of Workbook class failed: no file name.");
  ensureCalculated(*app_, *open.book);
  formats::SaveWorkbook(*open.book, path, *format, basic);
  open.fullName = path;
  open.name = fileNameOf(path);
}

void Workbook::Save() {
  OpenBook& open = app_->state().bookOf(book_);
  if (open.fullName == open.name && open.name.rfind("Book", 0) == 0)
    throw Error("Save method of Workbook class failed: the workbook has never been saved.");
  SaveAs(open.fullName, xl::Excel8);
}

void Workbook::Close() {
  ApplicationState& st = app_->state();
  OpenBook& open = st.bookOf(book_);
  if (st.clipboard) {
    for (std::size_t i = 0; i < open.book->sheetCount(); ++i)
      if (st.clipboardSheet == &open.book->sheet(i)) st.clipboard.reset();
  }
  const bool wasActive = st.activeBook == &open;
  std::erase_if(st.books, [&](const std::unique_ptr<OpenBook>& b) { return b.get() == &open; });
  if (wasActive) st.activeBook = st.books.empty() ? nullptr : st.books.back().get();
}

void Workbook::Activate() {
  app_->state().activeBook = &app_->state().bookOf(book_);
}

Rgb Workbook::Colors(int index) const {
  if (index < 1 || index > 56) throw Error("Subscript out of range");
  return model().color(index);
}

void Workbook::setColors(int index, Rgb color) {
  if (index < 1 || index > 56) throw Error("Subscript out of range");
  if (color > 0xFFFFFF) throw Error("Application-defined or object-defined error");
  model().palette()[static_cast<std::size_t>(index - 1)] = color;
}

api::Names Workbook::Names() const {
  return api::Names(app_, &model());
}
api::Sheets Workbook::Sheets() const {
  return api::Sheets(app_, &model());
}

api::Worksheet Workbook::ActiveSheet() const {
  OpenBook& open = app_->state().bookOf(book_);
  return api::Worksheet(app_,
                        &open.book->sheet(std::min(open.activeSheet, open.book->sheetCount() - 1)));
}

}  // namespace spreadsheet::api
