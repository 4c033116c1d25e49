#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/style_records.h"

namespace spreadsheet::xls {

// The FONT, FORMAT and XF records of a workbook being written: every style
// in use gets an XF (the default style XF 15, the rest from 16 in style id
// order), fonts and number formats are interned as the styles name them.
class StyleTable {
 public:
  static constexpr unsigned kDefaultXf = 15;
  static constexpr unsigned kFirstCustomFormat = 164;

  explicit StyleTable(const Workbook& book);

  std::uint16_t xf(StyleId id) const;    // Error for a style not collected
  unsigned fontIndex(const Font& font);  // interns; usable until write()
  // FONT, FORMAT, XF and STYLE records.
  void write(RecordWriter& out) const;

 private:
  void collect(const Workbook& book);
  unsigned formatIndex(const std::string& code);

  const Workbook& book_;
  std::vector<Font> fonts_;  // from file index 5 on
  std::vector<std::pair<unsigned, std::string>> formats_;
  std::map<std::string, unsigned> formatIds_;
  std::vector<XfRecord> cellXfs_;  // from XF 15 on
  std::unordered_map<StyleId, std::uint16_t> xfOf_;
};

}  // namespace spreadsheet::xls
