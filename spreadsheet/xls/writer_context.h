#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/formula_tokens.h"
#include "spreadsheet/xls/globals_records.h"
#include "spreadsheet/xls/style_table.h"

namespace spreadsheet::xls {

// The NAME records of a workbook being written, in their file order: the
// defined names, names that formulas use without a definition, each sheet's
// print area, then one hidden-procedure name per distinct button macro.
class NameTable {
 public:
  explicit NameTable(const Workbook& book);
  // 1-based index for a name used in a formula on sheet `sheet` (0-based).
  std::uint32_t indexFor(const std::string& name, std::size_t sheet) const;
  std::uint32_t macroIndex(const std::string& onAction) const;
  // The EXTERNSHEET entries: one per sheet, then the workbook itself.
  const std::vector<Xti>& externSheets() const { return xtis_; }
  std::uint16_t workbookXti() const { return static_cast<std::uint16_t>(xtis_.size() - 1); }
  std::optional<std::uint16_t> sheetXti(const std::string& sheet) const;
  void write(RecordWriter& out) const;
  // What formulas on sheet `sheet` (0-based) compile against.
  TokenLinks linksFor(std::size_t sheet) const;

 private:
  void addUndefined(const FormulaNode& n, int scope);

  const Workbook& book_;
  std::vector<NameRecord> records_;
  std::vector<const FormulaNode*> formulas_;  // per record, nullptr when none
  std::map<std::pair<int, std::string>, std::uint32_t> byScopeAndName_;  // (scope, lower-case name)
  std::map<std::string, std::uint32_t> macros_;
  std::vector<Xti> xtis_;
};

// The shared strings of the cells, in the order the sheets use them.
struct SharedStrings {
  explicit SharedStrings(const Workbook& book);
  std::vector<std::string> strings;
  std::unordered_map<std::string, std::uint32_t> index;
  std::uint32_t references = 0;
};

// Everything the sheet writers share with the globals.
struct WriterContext {
  explicit WriterContext(const Workbook& b);
  const Workbook& book;
  StyleTable styles;
  NameTable names;
  SharedStrings strings;
  std::vector<std::uint32_t> drawingIds;  // per sheet; 0 for a sheet without buttons
  // FONT index of each button run, per sheet, per button, per run.
  std::vector<std::vector<std::vector<std::uint16_t>>> runFonts;
  TokenLinks links(std::size_t sheet) const;
};

// Refuses a workbook that does not fit the file format (cells beyond row
// 65,536 or column 256, areas beyond them).
void checkFileLimits(const Workbook& book);
// An area as the file holds it: whole rows and columns of the larger grid
// become the file's; Error for an area beyond the file's sheet size.
CellRange fitToFile(const Worksheet& sheet, const CellRange& r);

void writeGlobals(RecordWriter& out, const WriterContext& ctx,
                  std::vector<std::size_t>& sheetOffsetFields);
void writeSheet(RecordWriter& out, const WriterContext& ctx, std::size_t index);

}  // namespace spreadsheet::xls
