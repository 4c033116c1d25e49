#include "spreadsheet/xls/style_table.h"

#include <algorithm>
#include <set>
#include <vector>

#include "spreadsheet/model/error.h"

namespace spreadsheet::xls {

namespace {
constexpr unsigned kSkippedFont = 4;  // the file never uses FONT index 4
constexpr unsigned kMaxXf = 4050;
}  // namespace

StyleTable::StyleTable(const Workbook& book) : book_(book) {
  collect(book);
}

void StyleTable::collect(const Workbook& book) {
  // Marks by id (every cell is looked at, and ids are dense); ids outside
  // the pool are kept apart to be refused below.
  const std::size_t poolSize = book.styles().size();
  std::vector<bool> used(poolSize, false);
  std::set<StyleId> unknown;
  auto mark = [&](StyleId id) {
    if (id < poolSize)
      used[id] = true;
    else
      unknown.insert(id);
  };
  mark(0);
  for (std::size_t i = 0; i < book.sheetCount(); ++i) {
    const Worksheet& s = book.sheet(i);
    for (const auto& line : s.cells().rows())
      for (const auto& [column, c] : line.cells) mark(c.style);
    for (Axis axis : {Axis::Rows, Axis::Columns})
      for (const auto& [n, line] : s.lines(axis))
        if (line.style) mark(*line.style);
    if (s.sheetStyle()) mark(*s.sheetStyle());
  }
  const auto count = static_cast<std::size_t>(std::count(used.begin(), used.end(), true));
  if (count + unknown.size() + kDefaultXf > kMaxXf) throw Error("Too many different cell formats.");
  if (!unknown.empty()) throw Error("A cell refers to a format that does not exist.");
  for (StyleId id = 0; id < poolSize; ++id) {
    if (!used[id]) continue;
    const Style& style = book.styles().get(id);
    XfRecord xf;
    xf.style = style;
    xf.fontIndex = fontIndex(style.font);
    xf.formatIndex = formatIndex(style.numberFormat);
    xfOf_[id] = static_cast<std::uint16_t>(kDefaultXf + cellXfs_.size());
    cellXfs_.push_back(xf);
  }
}

unsigned StyleTable::fontIndex(const Font& font) {
  if (font == book_.defaultFont()) return 0;
  for (std::size_t i = 0; i < fonts_.size(); ++i)
    if (fonts_[i] == font) return static_cast<unsigned>(i) + kSkippedFont + 1;
  if (fonts_.size() > 500) throw Error("Too many different fonts.");
  fonts_.push_back(font);
  return static_cast<unsigned>(fonts_.size()) + kSkippedFont;
}

unsigned StyleTable::formatIndex(const std::string& code) {
  if (code == "General") return 0;
  auto it = formatIds_.find(code);
  if (it != formatIds_.end()) return it->second;
  unsigned index = kFirstCustomFormat + static_cast<unsigned>(formats_.size());
  formats_.push_back({index, code});
  formatIds_[code] = index;
  return index;
}

std::uint16_t StyleTable::xf(StyleId id) const {
  auto it = xfOf_.find(id);
  if (it == xfOf_.end()) throw Error("A cell refers to a format that does not exist.");
  return it->second;
}

void StyleTable::write(RecordWriter& out) const {
  for (unsigned i = 0; i < kSkippedFont; ++i) writeFont(out, book_.defaultFont());
  for (const Font& f : fonts_) writeFont(out, f);
  for (const auto& [index, code] : formats_) writeFormat(out, index, code);
  // Style XFs: Normal, then the fourteen built-in outline styles.
  XfRecord styleXf;
  styleXf.styleXf = true;
  styleXf.style.font = book_.defaultFont();
  for (unsigned i = 0; i < kDefaultXf; ++i) {
    styleXf.fontIndex = (i == 1 || i == 2) ? 1 : (i == 3 || i == 4) ? 2 : 0;
    writeXf(out, styleXf);
  }
  for (const XfRecord& xf : cellXfs_) writeXf(out, xf);
  writeStyle(out);
}

}  // namespace spreadsheet::xls
