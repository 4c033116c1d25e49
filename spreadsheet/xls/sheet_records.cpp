#include "spreadsheet/xls/sheet_records.h"

#include <algorithm>
#include <cmath>

#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/units.h"

namespace spreadsheet::xls {

namespace {

constexpr unsigned kFitToPage = 0x0100;
constexpr unsigned kPortrait = 0x0002, kNotes = 0x0020, kEndNotes = 0x0200;
constexpr unsigned kRowHidden = 0x0020, kRowCustomHeight = 0x0040, kRowFormatted = 0x0080;

}  // namespace

void writeU16Record(RecordWriter& out, std::uint16_t id, unsigned v) {
  out.record(id, 2, [&](ByteWriter& b) { b.u16(v); });
}

void writePrintOptions(RecordWriter& out) {
  writeU16Record(out, kPrintHeaders, 0);
  writeU16Record(out, kPrintGridLines, 0);
  writeU16Record(out, kGridSet, 1);
  out.record(kGuts, 8, [](ByteWriter& b) { b.zeros(8); });
}

void writeDefaultRowHeight(RecordWriter& out, double points) {
  out.record(kDefaultRowHeight, 4, [&](ByteWriter& b) {
    b.u16(0);
    b.u16(static_cast<unsigned>(PointsToTwips(points)));
  });
}

double readDefaultRowHeight(ByteReader in) {
  in.u16();
  double h = TwipsToPoints(in.u16());
  in.expectEnd();
  return h;
}

void writeWsBool(RecordWriter& out, bool fitToPage) {
  writeU16Record(out, kWsBool, 0x04C1 | (fitToPage ? kFitToPage : 0));
}

bool readWsBool(ByteReader in) {
  bool fit = in.u16() & kFitToPage;
  in.expectEnd();
  return fit;
}

void writeEmptyHeaderFooter(RecordWriter& out, std::uint16_t id) {
  // An empty string (no characters, 8-bit), not an empty record: a reader
  // may take a record without bytes as "no header given" and use its own.
  out.record(id, 3, [](ByteWriter& b) {
    b.u16(0);
    b.u8(0);
  });
}

void writeCentering(RecordWriter& out, std::uint16_t id, bool centered) {
  writeU16Record(out, id, centered ? 1 : 0);
}

void writeMargin(RecordWriter& out, std::uint16_t id, double points) {
  out.record(id, 8, [&](ByteWriter& b) { b.f64(points / 72); });
}

double readMargin(ByteReader in) {
  double inches = in.f64();
  in.expectEnd();
  if (!std::isfinite(inches) || inches < 0 || inches > 100) in.fail("a page margin out of range");
  return inches * 72;
}

void writeSetup(RecordWriter& out, const PageSetup& s) {
  unsigned flags = s.orientation == xl::Landscape ? 0 : kPortrait;
  if (s.printComments == xl::PrintInPlace) flags |= kNotes;
  if (s.printComments == xl::PrintSheetEnd) flags |= kNotes | kEndNotes;
  out.record(kSetup, 34, [&](ByteWriter& b) {
    b.u16(static_cast<unsigned>(std::clamp(s.paperSize, 0, 0xFFFF)));
    b.u16(static_cast<unsigned>(std::clamp(s.zoom.value_or(100), 10, 400)));
    b.u16(1);  // first page number
    b.u16(static_cast<unsigned>(std::clamp(s.fitToPagesWide, 0, 0x7FFF)));
    b.u16(static_cast<unsigned>(std::clamp(s.fitToPagesTall, 0, 0x7FFF)));
    b.u16(flags);
    b.u16(600);  // print resolution
    b.u16(600);
    b.f64(s.headerMargin / 72);
    b.f64(s.footerMargin / 72);
    b.u16(1);  // copies
  });
}

void readSetup(ByteReader in, PageSetup& s) {
  s.paperSize = in.u16();
  s.zoom = in.u16();
  in.skip(2);
  s.fitToPagesWide = in.u16();
  s.fitToPagesTall = in.u16();
  unsigned flags = in.u16();
  in.skip(4);
  double header = in.f64(), footer = in.f64();
  if (!std::isfinite(header) || !std::isfinite(footer) || header < 0 || footer < 0 ||
      header > 100 || footer > 100)
    in.fail("a header or footer margin out of range");
  s.headerMargin = header * 72;
  s.footerMargin = footer * 72;
  in.skip(2);
  in.expectEnd();
  s.orientation = (flags & kPortrait) ? xl::Portrait : xl::Landscape;
  s.printComments = !(flags & kNotes)     ? xl::PrintNoComments
                    : (flags & kEndNotes) ? xl::PrintSheetEnd
                                          : xl::PrintInPlace;
}

void writeDefColWidth(RecordWriter& out, double characters) {
  writeU16Record(
      out, kDefColWidth,
      static_cast<unsigned>(std::clamp(characters, 0.0, kXlsLimits.maxColumnWidthCharacters)));
}

double readDefColWidth(ByteReader in) {
  const unsigned n = in.u16();
  in.expectEnd();
  return DefaultColumnWidthFromDigits(static_cast<int>(n));
}

void writeColInfo(RecordWriter& out, const ColumnSpan& c) {
  out.record(kColInfo, 12, [&](ByteWriter& b) {
    b.u16(static_cast<unsigned>(c.first - 1));
    b.u16(static_cast<unsigned>(c.last - 1));
    b.u16(c.width);
    b.u16(c.xf);
    b.u16((c.hidden ? 0x0001 : 0) | (c.customWidth ? 0x0002 : 0));
    b.u16(0);
  });
}

ColumnSpan readColInfo(ByteReader in) {
  ColumnSpan c;
  c.first = in.u16() + 1;
  c.last = in.u16() + 1;
  c.width = in.u16();
  c.xf = in.u16();
  unsigned flags = in.u16();
  c.hidden = flags & 0x0001;
  c.customWidth = flags & 0x0002;
  in.skip(in.remaining() >= 2 ? 2 : in.remaining());
  in.expectEnd();
  if (c.first > c.last || c.first > kXlsLimits.columns) in.fail("a column span out of range");
  c.last = std::min(c.last, kXlsLimits.columns);
  return c;
}

void writeDimensions(RecordWriter& out, const std::optional<CellRange>& used) {
  out.record(kDimensions, 14, [&](ByteWriter& b) {
    b.u32(used ? static_cast<std::uint32_t>(used->first.row - 1) : 0);
    b.u32(used ? static_cast<std::uint32_t>(used->last.row) : 0);
    b.u16(used ? static_cast<unsigned>(used->first.column - 1) : 0);
    b.u16(used ? static_cast<unsigned>(used->last.column) : 0);
    b.u16(0);
  });
}

void writeRow(RecordWriter& out, const RowRecord& r) {
  out.record(kRow, 16, [&](ByteWriter& b) {
    b.u16(static_cast<unsigned>(r.row - 1));
    b.u16(static_cast<unsigned>(r.firstColumn));
    b.u16(static_cast<unsigned>(r.endColumn));
    b.u16(r.height & 0x7FFF);
    b.u32(0);
    b.u16(0x0100 | (r.hidden ? kRowHidden : 0) | (r.customHeight ? kRowCustomHeight : 0) |
          (r.xf ? kRowFormatted : 0));
    b.u16(r.xf.value_or(15) & 0x0FFF);
  });
}

RowRecord readRow(ByteReader in) {
  RowRecord r;
  r.row = in.u16() + 1;
  r.firstColumn = in.u16();
  r.endColumn = in.u16();
  r.height = in.u16() & 0x7FFF;
  in.skip(4);
  unsigned flags = in.u16();
  unsigned xf = in.u16() & 0x0FFF;
  in.expectEnd();
  r.hidden = flags & kRowHidden;
  r.customHeight = flags & kRowCustomHeight;
  if (flags & kRowFormatted) r.xf = static_cast<std::uint16_t>(xf);
  return r;
}

void writeWindow2(RecordWriter& out, bool selected) {
  out.record(kWindow2, 18, [&](ByteWriter& b) {
    b.u16(0x00B6 |
          (selected ? 0x0600 : 0));  // grid, headings, zeros, outline symbols; selected and shown
    b.u16(0);                        // top row
    b.u16(0);                        // left column
    b.u32(64);                       // grid line colour: automatic
    b.u16(0);                        // zoom of page break preview: default
    b.u16(0);                        // zoom of normal view: default
    b.u32(0);
  });
}

void writeRange8(ByteWriter& b, const CellRange& r) {
  b.u16(static_cast<unsigned>(r.first.row - 1));
  b.u16(static_cast<unsigned>(r.last.row - 1));
  b.u16(static_cast<unsigned>(r.first.column - 1));
  b.u16(static_cast<unsigned>(r.last.column - 1));
}

CellRange readRange8(ByteReader& in) {
  int r1 = in.u16() + 1, r2 = in.u16() + 1, c1 = in.u16() + 1, c2 = in.u16() + 1;
  if (r1 > r2 || c1 > c2 || c2 > kXlsLimits.columns)
    in.fail("a cell range out of order or beyond the sheet");
  // The file's whole rows and columns stand for whole rows and columns of the larger grid.
  if (r1 == 1 && r2 == kXlsLimits.rows) r2 = kMaxRows;
  if (c1 == 1 && c2 == kXlsLimits.columns) c2 = kMaxColumns;
  return CellRange::of(r1, c1, r2, c2);
}

void writeMergedCells(RecordWriter& out, const std::vector<CellRange>& areas) {
  constexpr std::size_t kPerRecord = 1026;
  for (std::size_t start = 0; start < areas.size(); start += kPerRecord) {
    std::size_t n = std::min(kPerRecord, areas.size() - start);
    out.record(kMergedCells, 2 + 8 * n, [&](ByteWriter& b) {
      b.u16(static_cast<unsigned>(n));
      for (std::size_t i = start; i < start + n; ++i) writeRange8(b, areas[i]);
    });
  }
}

std::vector<CellRange> readMergedCells(ByteReader in) {
  std::size_t n = in.u16();
  std::vector<CellRange> areas;
  for (std::size_t i = 0; i < n; ++i) areas.push_back(readRange8(in));
  in.expectEnd();
  return areas;
}

}  // namespace spreadsheet::xls
