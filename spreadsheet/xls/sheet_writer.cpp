#include <algorithm>
#include <cmath>

#include "spreadsheet/model/units.h"
#include "spreadsheet/xls/button_layout.h"
#include "spreadsheet/xls/cell_records.h"
#include "spreadsheet/xls/drawing_records.h"
#include "spreadsheet/xls/protection_records.h"
#include "spreadsheet/xls/sheet_records.h"
#include "spreadsheet/xls/validation_records.h"
#include "spreadsheet/xls/writer_context.h"

namespace spreadsheet::xls {

namespace {

constexpr int kFileRows = kXlsLimits.rows;
constexpr int kFileColumns = kXlsLimits.columns;

// A column width as COLINFO stores it, within what the file holds.
std::uint16_t storedWidth(double characters) {
  return static_cast<std::uint16_t>(
      ColumnWidthStored(std::clamp(characters, 0.0, kXlsLimits.maxColumnWidthCharacters)));
}
constexpr int kRowsPerBlock = 32;
constexpr std::uint32_t kShapesPerDrawing = 1024;

class SheetWriter {
 public:
  SheetWriter(RecordWriter& out, const WriterContext& ctx, std::size_t index)
      : out_(out),
        ctx_(ctx),
        index_(index),
        sheet_(ctx.book.sheet(index)),
        links_(ctx.links(index)) {}
  void write();

 private:
  void pageSetup();
  void columns();
  void dimensions();
  void rowsAndCells();
  void row(int r);
  void cells(int r);
  void cell(CellAddress at, const Cell& c);
  void buttons();
  void validations();
  StyleId inherited(CellAddress at) const;

  RecordWriter& out_;
  const WriterContext& ctx_;
  std::size_t index_;
  const Worksheet& sheet_;
  TokenLinks links_;
  ByteWriter tokens_;  // one formula's tokens, the buffer reused by every formula
};

void SheetWriter::write() {
  writeBof(out_, SubstreamType::Worksheet);
  pageSetup();
  if (sheet_.isProtected()) writeSheetProtection(out_);
  columns();
  dimensions();
  rowsAndCells();
  buttons();
  writeWindow2(out_, index_ == 0);
  std::vector<CellRange> merged;
  for (const CellRange& r : sheet_.mergedAreas()) merged.push_back(fitToFile(sheet_, r));
  writeMergedCells(out_, merged);
  validations();
  if (!sheet_.codeName().empty()) writeCodeName(out_, sheet_.codeName());
  writeEof(out_);
}

void SheetWriter::pageSetup() {
  const PageSetup& p = sheet_.pageSetup();
  writePrintOptions(out_);
  writeDefaultRowHeight(out_, sheet_.defaultRowHeight());
  writeWsBool(out_, !p.zoom);
  writeEmptyHeaderFooter(out_, kHeader);
  writeEmptyHeaderFooter(out_, kFooter);
  writeCentering(out_, kHCenter, false);
  writeCentering(out_, kVCenter, false);
  writeMargin(out_, kLeftMargin, p.leftMargin);
  writeMargin(out_, kRightMargin, p.rightMargin);
  writeMargin(out_, kTopMargin, p.topMargin);
  writeMargin(out_, kBottomMargin, p.bottomMargin);
  writeSetup(out_, p);
}

void SheetWriter::columns() {
  writeDefColWidth(out_, sheet_.defaultColumnWidth());
  const auto& lines = sheet_.lines(Axis::Columns);
  std::optional<ColumnSpan> open;
  for (int c = 1; c <= kFileColumns; ++c) {
    auto it = lines.find(c);
    const LineInfo* line = it == lines.end() ? nullptr : &it->second;
    std::optional<StyleId> style = line && line->style ? line->style : sheet_.sheetStyle();
    if ((!line || line->isDefault()) && !style) {
      if (open) writeColInfo(out_, *open);
      open.reset();
      continue;
    }
    ColumnSpan span;
    span.first = span.last = c;
    span.customWidth = line && line->size;
    span.width = storedWidth(span.customWidth ? *line->size : sheet_.defaultColumnWidth());
    span.xf = style ? ctx_.styles.xf(*style) : StyleTable::kDefaultXf;
    span.hidden = line && line->hidden;
    if (open && open->last == c - 1 && open->width == span.width && open->xf == span.xf &&
        open->hidden == span.hidden && open->customWidth == span.customWidth) {
      open->last = c;
      continue;
    }
    if (open) writeColInfo(out_, *open);
    open = span;
  }
  if (open) writeColInfo(out_, *open);
}

void SheetWriter::dimensions() {
  std::optional<CellRange> box;
  for (const auto& [at, c] : sheet_.cells()) {
    if (!box) box = CellRange::of(at);
    box->first.column = std::min(box->first.column, at.column);
    box->last.column = std::max(box->last.column, at.column);
    box->last.row = at.row;  // cells run in row order
  }
  writeDimensions(out_, box);
}

StyleId SheetWriter::inherited(CellAddress at) const {
  for (auto [axis, n] : {std::pair{Axis::Rows, at.row}, std::pair{Axis::Columns, at.column}}) {
    auto it = sheet_.lines(axis).find(n);
    if (it != sheet_.lines(axis).end() && it->second.style) return *it->second.style;
  }
  return sheet_.sheetStyle().value_or(0);
}

void SheetWriter::rowsAndCells() {
  std::vector<int> rows;
  for (const auto& [r, line] : sheet_.lines(Axis::Rows))
    if (!line.isDefault() && r <= kFileRows) rows.push_back(r);
  int last = 0;
  for (const auto& [at, c] : sheet_.cells()) {
    if (at.row != last) rows.push_back(at.row);
    last = at.row;
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  // Blocks of 32 rows: the ROW records, then the cells of those rows.
  for (std::size_t start = 0; start < rows.size();) {
    int block = (rows[start] - 1) / kRowsPerBlock;
    std::size_t end = start;
    while (end < rows.size() && (rows[end] - 1) / kRowsPerBlock == block) ++end;
    for (std::size_t i = start; i < end; ++i) row(rows[i]);
    for (std::size_t i = start; i < end; ++i) cells(rows[i]);
    start = end;
  }
}

void SheetWriter::row(int r) {
  RowRecord rec;
  rec.row = r;
  auto first = sheet_.cells().lower_bound({r, 1});
  auto end = sheet_.cells().lower_bound({r + 1, 1});
  if (first != end) {
    rec.firstColumn = first->first.column - 1;
    rec.endColumn = std::prev(end)->first.column;
  }
  auto it = sheet_.lines(Axis::Rows).find(r);
  const LineInfo* line = it == sheet_.lines(Axis::Rows).end() ? nullptr : &it->second;
  rec.customHeight = line && line->size;
  double points = rec.customHeight ? std::clamp(*line->size, 0.0, kXlsLimits.maxRowHeightPoints)
                                   : sheet_.defaultRowHeight();
  rec.height = static_cast<std::uint16_t>(PointsToTwips(points));
  rec.hidden = line && line->hidden;
  if (line && line->style) rec.xf = ctx_.styles.xf(*line->style);
  writeRow(out_, rec);
}

void SheetWriter::cells(int r) {
  auto it = sheet_.cells().lower_bound({r, 1});
  auto end = sheet_.cells().lower_bound({r + 1, 1});
  while (it != end) {
    const auto& [at, c] = *it;
    if (!c.isBlank()) {
      cell(at, c);
      ++it;
      continue;
    }
    // A run of adjacent formatted blanks goes into one MULBLANK.
    std::vector<std::uint16_t> xfs;
    CellAddress start = at;
    for (; it != end && it->second.isBlank() &&
           it->first.column == start.column + static_cast<int>(xfs.size());
         ++it) {
      if (it->second.style == 0 && inherited(it->first) == 0) {
        ++it;
        break;
      }
      xfs.push_back(ctx_.styles.xf(it->second.style));
    }
    if (xfs.size() == 1) writeBlank(out_, {start.row, start.column, xfs[0]});
    if (xfs.size() > 1) writeMulBlank(out_, {start.row, start.column, 0}, xfs);
  }
}

void SheetWriter::cell(CellAddress at, const Cell& c) {
  CellHeader h{at.row, at.column, ctx_.styles.xf(c.style)};
  if (c.formula) {
    tokens_.clear();
    compileFormula(*c.formula, FormulaPlace::Cell, links_, tokens_);
    writeFormula(out_, h, c.value, tokens_.data());
  } else if (c.value.isNumber() && std::isfinite(c.value.number())) {
    writeNumber(out_, h, c.value.number());
  } else if (c.value.isNumber()) {  // no finite number: the application shows #NUM!
    writeBoolErr(out_, h, CellValue(ErrorCode::Num));
  } else if (c.value.isText()) {
    writeLabelSst(out_, h, ctx_.strings.index.at(c.value.text()));
  } else {
    writeBoolErr(out_, h, c.value);
  }
}

void SheetWriter::buttons() {
  const auto& list = sheet_.buttons();
  if (list.empty()) return;
  std::uint32_t drawing = ctx_.drawingIds[index_];
  std::vector<ButtonShape> shapes;
  for (std::size_t k = 0; k < list.size(); ++k) {
    const Button& b = list[k];
    shapes.push_back({drawing * kShapesPerDrawing + static_cast<std::uint32_t>(k) + 1, b.name,
                      anchorOf(sheet_, b)});
  }
  for (std::size_t k = 0; k < list.size(); ++k) {
    const Button& b = list[k];
    if (k == 0)
      writeFirstDrawing(out_, drawing, shapes);
    else
      writeButtonDrawing(out_, shapes[k]);
    ButtonObj obj;
    obj.id =
        static_cast<std::uint16_t>(b.id > 0 && b.id <= 0xFFFF ? b.id : static_cast<int>(k) + 1);
    if (!b.onAction.empty())
      obj.macro = std::make_pair(ctx_.names.workbookXti(), ctx_.names.macroIndex(b.onAction));
    writeObj(out_, obj);
    writeTextboxDrawing(out_);
    TextboxText text{b.text, {}};
    std::size_t length = utf16Lenient(b.text).size();
    const auto& fonts = ctx_.runFonts[index_][k];
    for (std::size_t r = 0; r < b.runs.size(); ++r) {
      auto start = static_cast<std::size_t>(std::max(0, b.runs[r].start));
      if (start >= length || (!text.runs.empty() && start <= text.runs.back().first)) continue;
      if (text.runs.empty() && start > 0) text.runs.push_back({0, 0});
      text.runs.push_back({static_cast<std::uint16_t>(start), fonts[r]});
    }
    if (text.runs.empty() && length > 0) text.runs.push_back({0, 0});
    writeTxo(out_, text);
  }
}

void SheetWriter::validations() {
  const auto& list = sheet_.validations();
  if (list.empty()) return;
  // A DV record must fit one record (8,224 bytes): a rule over many cells is
  // written as several records with the same settings.
  constexpr std::size_t kRangesPerRecord = 512;
  std::vector<Validation> parts;
  for (const Validation& v : list) {
    for (std::size_t start = 0; start < v.ranges.size() || start == 0; start += kRangesPerRecord) {
      Validation part = v;
      std::size_t end = std::min(v.ranges.size(), start + kRangesPerRecord);
      part.ranges.assign(v.ranges.begin() + static_cast<std::ptrdiff_t>(start),
                         v.ranges.begin() + static_cast<std::ptrdiff_t>(end));
      for (CellRange& r : part.ranges) r = fitToFile(sheet_, r);
      parts.push_back(std::move(part));
      if (end == v.ranges.size()) break;
    }
  }
  writeDval(out_, parts.size());
  CompileFn compile = [this](const FormulaNode& n) {
    return compileFormula(n, FormulaPlace::Validation, links_);
  };
  for (const Validation& v : parts) writeDv(out_, v, compile);
}

}  // namespace

void writeSheet(RecordWriter& out, const WriterContext& ctx, std::size_t index) {
  SheetWriter(out, ctx, index).write();
}

}  // namespace spreadsheet::xls
