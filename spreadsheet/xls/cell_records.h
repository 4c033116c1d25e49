#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "spreadsheet/model/value.h"
#include "spreadsheet/xls/record_io.h"

namespace spreadsheet::xls {

inline constexpr std::uint16_t kLabelSst = 0x00FD;
inline constexpr std::uint16_t kNumber = 0x0203;
inline constexpr std::uint16_t kBoolErr = 0x0205;
inline constexpr std::uint16_t kBlank = 0x0201;
inline constexpr std::uint16_t kMulBlank = 0x00BE;
inline constexpr std::uint16_t kFormula = 0x0006;
inline constexpr std::uint16_t kString = 0x0207;
inline constexpr std::uint16_t kRk = 0x027E;
inline constexpr std::uint16_t kMulRk = 0x00BD;
inline constexpr std::uint16_t kLabel = 0x0204;

// Where a cell record stands (1-based) and its XF index.
struct CellHeader {
  int row = 1;
  int column = 1;
  std::uint16_t xf = 15;
  bool operator==(const CellHeader&) const = default;
};
CellHeader readCellHeader(ByteReader& in);  // Error for a column beyond 256

void writeLabelSst(RecordWriter& out, const CellHeader& at, std::uint32_t stringIndex);
void writeNumber(RecordWriter& out, const CellHeader& at, double value);
void writeBoolErr(RecordWriter& out, const CellHeader& at,
                  const CellValue& value);  // boolean or error
CellValue readBoolErr(ByteReader& in);
void writeBlank(RecordWriter& out, const CellHeader& at);
// Blank cells in one row from `at.column` on, one XF each.
void writeMulBlank(RecordWriter& out, const CellHeader& at, const std::vector<std::uint16_t>& xfs);
std::vector<CellHeader> readMulBlank(ByteReader in);
// RK and MULRK (compressed numbers), read only.
double decodeRk(std::uint32_t rk);
std::vector<std::pair<CellHeader, double>> readMulRk(ByteReader in);

inline constexpr std::uint16_t kAlwaysCalc = 0x0001;
// A formula cell with its last result; a text result is followed by a STRING record.
void writeFormula(RecordWriter& out, const CellHeader& at, const CellValue& cached,
                  std::span<const std::uint8_t> tokens);
struct FormulaRecord {
  CellHeader at;
  CellValue cached;
  bool stringFollows = false;  // the result is text and sits in the next STRING record
  std::uint16_t flags = 0;
  std::size_t tokenSize = 0;  // tokens follow in the reader
};
FormulaRecord readFormula(ByteReader& in);
std::string readString(ByteReader in);

}  // namespace spreadsheet::xls
