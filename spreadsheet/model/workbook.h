#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "spreadsheet/model/formula_tree.h"
#include "spreadsheet/model/palette.h"
#include "spreadsheet/model/style.h"
#include "spreadsheet/model/worksheet.h"

namespace spreadsheet {

// A workbook-level (or sheet-level) defined name.
struct DefinedName {
  std::string name;
  FormulaNode formula;  // references carry their sheet; relative flags are unused
  int sheetScope = 0;   // 0: whole workbook; n: local to sheet n (1-based)
  bool operator==(const DefinedName&) const = default;
};

// The macro project kept whole: every stream of the project storage by its
// path inside the compound file ("_VBA_PROJECT_CUR/VBA/dir", ...).
struct MacroProject {
  std::map<std::string, std::vector<unsigned char>> streams;
  bool operator==(const MacroProject&) const = default;
};

class Workbook {
 public:
  Workbook();
  Workbook(const Workbook&) = delete;
  Workbook& operator=(const Workbook&) = delete;

  // Sheets, in tab order.
  std::size_t sheetCount() const { return sheets_.size(); }
  Worksheet& sheet(std::size_t index) { return *sheets_.at(index); }
  const Worksheet& sheet(std::size_t index) const { return *sheets_.at(index); }
  Worksheet* findSheet(const std::string& name);  // case-insensitive, nullptr if absent
  const Worksheet* findSheet(const std::string& name) const;
  int sheetIndex(const Worksheet& s) const;  // 0-based, -1 if not in this workbook
  Worksheet& addSheet(const std::string& name);
  void removeSheet(std::size_t index);

  std::vector<DefinedName>& names() { return names_; }
  const std::vector<DefinedName>& names() const { return names_; }
  const DefinedName* findName(const std::string& name, int sheetScope = 0) const;

  Palette& palette() { return palette_; }
  const Palette& palette() const { return palette_; }
  // The colour of index 1..56.
  Rgb color(int index) const { return palette_.at(static_cast<std::size_t>(index - 1)); }

  const Font& defaultFont() const { return defaultFont_; }
  void setDefaultFont(const Font& f);

  StylePool& styles() { return styles_; }
  const StylePool& styles() const { return styles_; }

  std::optional<MacroProject>& macroProject() { return macro_; }
  const std::optional<MacroProject>& macroProject() const { return macro_; }
  const std::string& codeName() const { return codeName_; }
  void setCodeName(std::string n) { codeName_ = std::move(n); }

 private:
  std::vector<std::unique_ptr<Worksheet>> sheets_;
  std::vector<DefinedName> names_;
  Palette palette_;
  Font defaultFont_;
  StylePool styles_;
  std::optional<MacroProject> macro_;
  std::string codeName_;
};

// Case-insensitive equality of ASCII names, as the application compares them.
bool sameName(const std::string& a, const std::string& b);

}  // namespace spreadsheet
