#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "spreadsheet/model/address.h"
#include "spreadsheet/model/sheet_parts.h"
#include "spreadsheet/xls/record_io.h"

namespace spreadsheet::xls {

inline constexpr std::uint16_t kPrintHeaders = 0x002A;
inline constexpr std::uint16_t kPrintGridLines = 0x002B;
inline constexpr std::uint16_t kGridSet = 0x0082;
inline constexpr std::uint16_t kGuts = 0x0080;
inline constexpr std::uint16_t kDefaultRowHeight = 0x0225;
inline constexpr std::uint16_t kWsBool = 0x0081;
inline constexpr std::uint16_t kHeader = 0x0014;
inline constexpr std::uint16_t kFooter = 0x0015;
inline constexpr std::uint16_t kHCenter = 0x0083;
inline constexpr std::uint16_t kVCenter = 0x0084;
inline constexpr std::uint16_t kLeftMargin = 0x0026;
inline constexpr std::uint16_t kRightMargin = 0x0027;
inline constexpr std::uint16_t kTopMargin = 0x0028;
inline constexpr std::uint16_t kBottomMargin = 0x0029;
inline constexpr std::uint16_t kSetup = 0x00A1;
inline constexpr std::uint16_t kDefColWidth = 0x0055;
inline constexpr std::uint16_t kColInfo = 0x007D;
inline constexpr std::uint16_t kDimensions = 0x0200;
inline constexpr std::uint16_t kRow = 0x0208;
inline constexpr std::uint16_t kWindow2 = 0x023E;
inline constexpr std::uint16_t kMergedCells = 0x00E5;

// A record holding one 16-bit value.
void writeU16Record(RecordWriter& out, std::uint16_t id, unsigned v);

// The print options the sheet always carries: no headings, no grid lines.
void writePrintOptions(RecordWriter& out);

void writeDefaultRowHeight(RecordWriter& out, double points);
double readDefaultRowHeight(ByteReader in);

// fitToPage: scale by pages wide and tall instead of the zoom.
void writeWsBool(RecordWriter& out, bool fitToPage);
bool readWsBool(ByteReader in);

// HEADER / FOOTER without text. Without them some readers print their own
// (the sheet's name, the page number) on the page.
void writeEmptyHeaderFooter(RecordWriter& out, std::uint16_t id);

// HCENTER / VCENTER.
void writeCentering(RecordWriter& out, std::uint16_t id, bool centered);

// Margins in points are stored in inches.
void writeMargin(RecordWriter& out, std::uint16_t id, double points);
double readMargin(ByteReader in);

void writeSetup(RecordWriter& out, const PageSetup& setup);
void readSetup(ByteReader in, PageSetup& setup);  // everything but the margins and print area

void writeDefColWidth(RecordWriter& out, double characters);
double readDefColWidth(ByteReader in);

// Columns first..last (1-based) sharing one width and format.
struct ColumnSpan {
  int first = 1;
  int last = 1;
  std::uint16_t width = 0;
  std::uint16_t xf = 15;
  bool hidden = false;
  bool customWidth = false;
  bool operator==(const ColumnSpan&) const = default;
};
void writeColInfo(RecordWriter& out, const ColumnSpan& span);
ColumnSpan readColInfo(ByteReader in);

// Rows and columns in use: 1-based, nullopt for an empty sheet.
void writeDimensions(RecordWriter& out, const std::optional<CellRange>& used);

struct RowRecord {
  int row = 1;          // 1-based
  int firstColumn = 0;  // 0-based first cell, one past the last cell
  int endColumn = 0;
  std::uint16_t height = 255;  // twips
  bool customHeight = false;
  bool hidden = false;
  std::optional<std::uint16_t> xf;  // the row's own format
  bool operator==(const RowRecord&) const = default;
};
void writeRow(RecordWriter& out, const RowRecord& row);
RowRecord readRow(ByteReader in);

void writeWindow2(RecordWriter& out, bool selected);

// MERGEDCELLS records of at most 1,026 areas each.
void writeMergedCells(RecordWriter& out, const std::vector<CellRange>& areas);
std::vector<CellRange> readMergedCells(ByteReader in);

// An 8-byte cell range (first row, last row, first column, last column), 0-based.
void writeRange8(ByteWriter& b, const CellRange& r);
CellRange readRange8(ByteReader& in);

}  // namespace spreadsheet::xls
