#include "spreadsheet/model/error.h"
#include "spreadsheet/model/units.h"
#include "spreadsheet/xls/drawing_records.h"
#include "spreadsheet/xls/sst_records.h"
#include "spreadsheet/xls/writer_context.h"

namespace spreadsheet::xls {

namespace {

constexpr int kFileRows = kXlsLimits.rows;
constexpr int kFileColumns = kXlsLimits.columns;

bool inFile(CellAddress a) {
  return a.row <= kFileRows && a.column <= kFileColumns;
}

std::string where(const Worksheet& s, CellAddress a) {
  return "'" + s.name() + "'!" + toA1(a);
}

Font runFont(const FontRun& r) {
  Font f;
  f.name = r.fontName;
  f.size = r.size;
  f.bold = r.bold;
  f.italic = r.italic;
  f.colorIndex = r.colorIndex;
  return f;
}

}  // namespace

// The file's whole rows and columns stand for the larger grid's; any other
// area must fit.
CellRange fitToFile(const Worksheet& s, const CellRange& r) {
  CellRange out = r;
  if (r.first.row == 1 && r.last.row == kMaxRows) out.last.row = kFileRows;
  if (r.first.column == 1 && r.last.column == kMaxColumns) out.last.column = kFileColumns;
  if (!inFile(out.last))
    throw Error("The range " + where(s, r.first) + ":" + toA1(r.last) +
                " lies beyond the 65,536 rows and 256 columns an Excel 97-2003 workbook holds.");
  return out;
}

void checkFileLimits(const Workbook& book) {
  for (std::size_t i = 0; i < book.sheetCount(); ++i) {
    const Worksheet& s = book.sheet(i);
    for (const auto& [at, c] : s.cells()) {
      if (!inFile(at))
        throw Error(
            "The cell " + where(s, at) +
            " lies beyond the 65,536 rows and 256 columns an Excel 97-2003 workbook holds.");
    }
    for (const CellRange& r : s.mergedAreas()) fitToFile(s, r);
    for (const Validation& v : s.validations())
      for (const CellRange& r : v.ranges) fitToFile(s, r);
    if (s.pageSetup().printArea) fitToFile(s, *s.pageSetup().printArea);
  }
}

WriterContext::WriterContext(const Workbook& b) : book(b), styles(b), names(b), strings(b) {
  std::uint32_t nextDrawing = 1;
  for (std::size_t i = 0; i < b.sheetCount(); ++i) {
    const Worksheet& s = b.sheet(i);
    drawingIds.push_back(s.buttons().empty() ? 0 : nextDrawing++);
    std::vector<std::vector<std::uint16_t>> perButton;
    for (const Button& button : s.buttons()) {
      std::vector<std::uint16_t> fonts;
      for (const FontRun& r : button.runs)
        fonts.push_back(static_cast<std::uint16_t>(styles.fontIndex(runFont(r))));
      perButton.push_back(std::move(fonts));
    }
    runFonts.push_back(std::move(perButton));
  }
}

TokenLinks WriterContext::links(std::size_t sheet) const {
  return names.linksFor(sheet);
}

void writeGlobals(RecordWriter& out, const WriterContext& ctx,
                  std::vector<std::size_t>& sheetOffsetFields) {
  const Workbook& book = ctx.book;
  writeBof(out, SubstreamType::Globals);
  writeCodePage(out);
  if (book.macroProject()) writeObjProj(out);
  if (!book.codeName().empty()) writeCodeName(out, book.codeName());
  writeWindow1(out);
  writeDateMode(out);
  ctx.styles.write(out);
  writePalette(out, book.palette());
  for (std::size_t i = 0; i < book.sheetCount(); ++i)
    sheetOffsetFields.push_back(writeBoundSheet(out, book.sheet(i).name()));
  writeSelfSupBook(out, static_cast<unsigned>(book.sheetCount()));
  writeExternSheet(out, ctx.names.externSheets());
  ctx.names.write(out);
  std::vector<DrawingCount> drawings;
  for (std::size_t i = 0; i < book.sheetCount(); ++i)
    if (ctx.drawingIds[i])
      drawings.push_back(
          {ctx.drawingIds[i], static_cast<std::uint32_t>(book.sheet(i).buttons().size())});
  if (!drawings.empty()) writeMsoDrawingGroup(out, drawings);
  writeSst(out, ctx.strings.strings, ctx.strings.references);
  writeEof(out);
}

}  // namespace spreadsheet::xls
