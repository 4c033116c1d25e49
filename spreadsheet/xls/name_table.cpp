#include <cctype>

#include "spreadsheet/model/error.h"
#include "spreadsheet/xls/writer_context.h"

namespace spreadsheet::xls {

namespace {

std::string lower(const std::string& s) {
  std::string out = s;
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

template <class Visit>
void forEachName(const FormulaNode& n, const Visit& visit) {
  if (n.kind == FormulaKind::Name) visit(n.text);
  for (const FormulaNode& c : n.children) forEachName(c, visit);
}

}  // namespace

NameTable::NameTable(const Workbook& book) : book_(book) {
  for (const DefinedName& d : book.names()) {
    if (d.sheetScope < 0 || d.sheetScope > static_cast<int>(book.sheetCount()))
      throw Error("The name \"" + d.name + "\" belongs to a sheet that does not exist.");
    auto key = std::make_pair(d.sheetScope, lower(d.name));
    if (byScopeAndName_.count(key)) continue;  // a duplicate cannot be stored; the first one wins
    records_.push_back({0, static_cast<std::uint16_t>(d.sheetScope), d.name, {}, 0});
    formulas_.push_back(&d.formula);
    byScopeAndName_[key] = static_cast<std::uint32_t>(records_.size());
  }
  for (const DefinedName& d : book.names()) addUndefined(d.formula, d.sheetScope);
  for (std::size_t i = 0; i < book.sheetCount(); ++i) {
    const Worksheet& s = book.sheet(i);
    int scope = static_cast<int>(i) + 1;
    for (const auto& [at, c] : s.cells())
      if (c.formula) addUndefined(*c.formula, scope);
    for (const Validation& v : s.validations()) {
      if (v.formula1) addUndefined(*v.formula1, scope);
      if (v.formula2) addUndefined(*v.formula2, scope);
    }
  }
  for (std::size_t i = 0; i < book.sheetCount(); ++i) {
    if (!book.sheet(i).pageSetup().printArea) continue;
    records_.push_back(
        {kNameBuiltIn, static_cast<std::uint16_t>(i + 1), std::string(1, kPrintAreaCode), {}, 0});
    formulas_.push_back(nullptr);
  }
  for (std::size_t i = 0; i < book.sheetCount(); ++i) {
    for (const Button& b : book.sheet(i).buttons()) {
      // The whole OnAction text is the procedure's name, an argument included.
      if (b.onAction.empty() || macros_.count(b.onAction)) continue;
      records_.push_back({kNameMacro, 0, b.onAction, {}, 0});
      formulas_.push_back(nullptr);
      macros_[b.onAction] = static_cast<std::uint32_t>(records_.size());
    }
  }
  for (std::size_t i = 0; i < book.sheetCount(); ++i)
    xtis_.push_back({0, static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(i)});
  xtis_.push_back({0, kWorkbookLevel, kWorkbookLevel});
}

void NameTable::addUndefined(const FormulaNode& n, int scope) {
  forEachName(n, [&](const std::string& name) {
    std::string key = lower(name);
    if (byScopeAndName_.count({scope, key}) || byScopeAndName_.count({0, key})) return;
    // A name used but never defined still needs a record for the formula to point at.
    records_.push_back({0, 0, name, {}, 0});
    formulas_.push_back(nullptr);
    byScopeAndName_[{0, key}] = static_cast<std::uint32_t>(records_.size());
  });
}

std::uint32_t NameTable::indexFor(const std::string& name, std::size_t sheet) const {
  std::string key = lower(name);
  auto it = byScopeAndName_.find({static_cast<int>(sheet) + 1, key});
  if (it == byScopeAndName_.end()) it = byScopeAndName_.find({0, key});
  if (it == byScopeAndName_.end()) throw Error("The name \"" + name + "\" cannot be saved.");
  return it->second;
}

std::uint32_t NameTable::macroIndex(const std::string& onAction) const {
  return macros_.at(onAction);
}

std::optional<std::uint16_t> NameTable::sheetXti(const std::string& sheet) const {
  const Worksheet* s = book_.findSheet(sheet);
  if (!s) return std::nullopt;
  return static_cast<std::uint16_t>(book_.sheetIndex(*s));
}

TokenLinks NameTable::linksFor(std::size_t sheet) const {
  return {[this, sheet](const std::string& n) { return indexFor(n, sheet); },
          [this](const std::string& s) { return sheetXti(s); }};
}

void NameTable::write(RecordWriter& out) const {
  for (std::size_t i = 0; i < records_.size(); ++i) {
    NameRecord r = records_[i];
    std::size_t sheet = r.sheet > 0 ? r.sheet - 1u : 0u;
    if (formulas_[i] && formulas_[i]->kind != FormulaKind::Missing) {
      r.tokens = compileFormula(*formulas_[i], FormulaPlace::Name, linksFor(sheet));
    } else if (r.flags == kNameBuiltIn) {
      const Worksheet& s = book_.sheet(sheet);
      const CellRange& area = *s.pageSetup().printArea;
      FormulaNode n;
      n.kind = FormulaKind::Area;
      n.sheet = s.name();
      n.first = {area.first.row, area.first.column, false, false};
      n.last = {area.last.row, area.last.column, false, false};
      r.tokens = compileFormula(n, FormulaPlace::Name, linksFor(sheet));
    }
    writeName(out, r);
  }
}

SharedStrings::SharedStrings(const Workbook& book) {
  for (std::size_t i = 0; i < book.sheetCount(); ++i) {
    for (const auto& [at, c] : book.sheet(i).cells()) {
      if (c.formula || !c.value.isText()) continue;
      ++references;
      auto [it, added] =
          index.try_emplace(c.value.text(), static_cast<std::uint32_t>(strings.size()));
      if (added) strings.push_back(c.value.text());
    }
  }
}

}  // namespace spreadsheet::xls
