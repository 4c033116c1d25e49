#pragma once
// Internal to the automation object model: what an Application keeps.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "spreadsheet/edit/clipboard.h"
#include "spreadsheet/model/address.h"
#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/workbook.h"

namespace spreadsheet::api {

class Application;

// Selection and active cell of one sheet.
struct SheetView {
  std::vector<CellRange> selection{CellRange::of({1, 1})};
  CellAddress active{1, 1};
};

struct OpenBook {
  // Shared with pictures that are drawn part by part after the book is closed.
  std::shared_ptr<spreadsheet::Workbook> book;
  std::string fullName;  // path, or the name while never saved
  std::string name;
  std::size_t activeSheet = 0;
  bool dirty = true;  // some formula result may be stale
  std::map<const spreadsheet::Worksheet*, SheetView> views;
};

struct ApplicationState {
  bool visible = false;
  bool screenUpdating = true;
  bool displayAlerts = true;
  bool enableEvents = true;
  int enableCancelKey = 1;
  int cursor = xl::CursorDefault;
  bool quit = false;
  std::vector<std::unique_ptr<OpenBook>> books;
  OpenBook* activeBook = nullptr;
  std::optional<edit::CopiedCells> clipboard;
  const spreadsheet::Worksheet* clipboardSheet = nullptr;  // where the copied cells came from
  int untitledCount = 0;

  // Each throws Error when the object is gone (closed, deleted, quit).
  OpenBook& bookOf(const spreadsheet::Workbook* book);
  OpenBook& bookOf(const spreadsheet::Worksheet* sheet);
  OpenBook& active();
  spreadsheet::Worksheet& activeSheet();
  SheetView& viewOf(spreadsheet::Worksheet* sheet);
};

// The last part of a path ("/tmp/book.xls" -> "book.xls").
std::string fileNameOf(const std::string& path);
// "$A$1:$B$2" ("$11:$12" for whole rows, "$A:$A" for whole columns).
std::string absoluteAddress(const CellRange& r);
// Parses an address as Range(...) takes it; a sheet qualifier picks the
// sheet in the same workbook. Returns the sheet and its areas.
std::pair<spreadsheet::Worksheet*, std::vector<CellRange>> resolveAddress(
    spreadsheet::Worksheet& sheet, const std::string& address);

// Formulas of the sheet's workbook may now be stale.
void markChanged(Application& app, const spreadsheet::Worksheet& sheet);
// Recalculates the workbook if anything changed since the last time.
void ensureCalculated(Application& app, const spreadsheet::Workbook& book);
// Refuses a multi-area range for commands that take one area.
void requireOneArea(const std::vector<CellRange>& areas);

}  // namespace spreadsheet::api
