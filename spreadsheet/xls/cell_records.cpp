#include "spreadsheet/xls/cell_records.h"

#include <cmath>
#include <cstring>

#include "spreadsheet/model/units.h"
#include "spreadsheet/xls/formula_tokens.h"

namespace spreadsheet::xls {

namespace {

void writeHeader(ByteWriter& b, const CellHeader& at) {
  b.u16(static_cast<unsigned>(at.row - 1));
  b.u16(static_cast<unsigned>(at.column - 1));
  b.u16(at.xf);
}

// The 8 result bytes of a FORMULA record for a result that is not a number.
void writeSpecialResult(ByteWriter& b, unsigned type, unsigned value) {
  b.u8(type);
  b.u8(0);
  b.u8(value);
  b.u8(0);
  b.u8(0);
  b.u8(0);
  b.u16(0xFFFF);
}

}  // namespace

CellHeader readCellHeader(ByteReader& in) {
  CellHeader h;
  h.row = in.u16() + 1;
  h.column = in.u16() + 1;
  h.xf = in.u16();
  if (h.column > kXlsLimits.columns) in.fail("a cell beyond column 256");
  return h;
}

void writeLabelSst(RecordWriter& out, const CellHeader& at, std::uint32_t stringIndex) {
  out.record(kLabelSst, 10, [&](ByteWriter& b) {
    writeHeader(b, at);
    b.u32(stringIndex);
  });
}

void writeNumber(RecordWriter& out, const CellHeader& at, double value) {
  out.record(kNumber, 14, [&](ByteWriter& b) {
    writeHeader(b, at);
    b.f64(value);
  });
}

void writeBoolErr(RecordWriter& out, const CellHeader& at, const CellValue& value) {
  out.record(kBoolErr, 8, [&](ByteWriter& b) {
    writeHeader(b, at);
    if (value.isError()) {
      b.u8(static_cast<unsigned>(value.error()));
      b.u8(1);
    } else {
      b.u8(value.boolean() ? 1 : 0);
      b.u8(0);
    }
  });
}

CellValue readBoolErr(ByteReader& in) {
  std::uint8_t v = in.u8();
  bool isError = in.u8() != 0;
  in.expectEnd();
  if (!isError) return CellValue(v != 0);
  if (!knownErrorCode(v)) in.fail("an unknown error code");
  return CellValue(static_cast<ErrorCode>(v));
}

void writeBlank(RecordWriter& out, const CellHeader& at) {
  out.record(kBlank, 6, [&](ByteWriter& b) { writeHeader(b, at); });
}

void writeMulBlank(RecordWriter& out, const CellHeader& at, const std::vector<std::uint16_t>& xfs) {
  out.record(kMulBlank, 6 + 2 * xfs.size(), [&](ByteWriter& b) {
    b.u16(static_cast<unsigned>(at.row - 1));
    b.u16(static_cast<unsigned>(at.column - 1));
    for (std::uint16_t xf : xfs) b.u16(xf);
    b.u16(static_cast<unsigned>(at.column - 1 + static_cast<int>(xfs.size()) - 1));
  });
}

std::vector<CellHeader> readMulBlank(ByteReader in) {
  if (in.remaining() < 6 || in.remaining() % 2) in.fail("a MULBLANK of the wrong size");
  int row = in.u16() + 1;
  int first = in.u16() + 1;
  std::size_t count = (in.remaining() - 2) / 2;
  std::vector<CellHeader> cells;
  for (std::size_t i = 0; i < count; ++i)
    cells.push_back({row, first + static_cast<int>(i), in.u16()});
  int last = in.u16() + 1;
  if (count == 0 || last != first + static_cast<int>(count) - 1 || last > kXlsLimits.columns)
    in.fail("a MULBLANK whose columns do not match");
  return cells;
}

double decodeRk(std::uint32_t rk) {
  double v;
  if (rk & 0x02) {
    v = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
  } else {
    std::uint64_t bits = static_cast<std::uint64_t>(rk & 0xFFFFFFFC) << 32;
    std::memcpy(&v, &bits, sizeof v);
  }
  return (rk & 0x01) ? v / 100 : v;
}

std::vector<std::pair<CellHeader, double>> readMulRk(ByteReader in) {
  if (in.remaining() < 6 || (in.remaining() - 6) % 6) in.fail("a MULRK of the wrong size");
  int row = in.u16() + 1;
  int first = in.u16() + 1;
  std::size_t count = (in.remaining() - 2) / 6;
  std::vector<std::pair<CellHeader, double>> cells;
  for (std::size_t i = 0; i < count; ++i) {
    std::uint16_t xf = in.u16();
    cells.push_back({{row, first + static_cast<int>(i), xf}, decodeRk(in.u32())});
  }
  int last = in.u16() + 1;
  if (count == 0 || last != first + static_cast<int>(count) - 1 || last > kXlsLimits.columns)
    in.fail("a MULRK whose columns do not match");
  return cells;
}

void writeFormula(RecordWriter& out, const CellHeader& at, const CellValue& cached,
                  std::span<const std::uint8_t> tokens) {
  bool text = cached.isText() && !cached.text().empty();
  out.record(kFormula, 22 + tokens.size(), [&](ByteWriter& b) {
    writeHeader(b, at);
    if (cached.isNumber() && std::isfinite(cached.number()))
      b.f64(cached.number());
    else if (cached.isNumber())
      writeSpecialResult(b, 2, static_cast<unsigned>(ErrorCode::Num));
    else if (text)
      writeSpecialResult(b, 0, 0);
    else if (cached.isBoolean())
      writeSpecialResult(b, 1, cached.boolean() ? 1 : 0);
    else if (cached.isError())
      writeSpecialResult(b, 2, static_cast<unsigned>(cached.error()));
    else
      writeSpecialResult(b, 3, 0);  // empty text; also stands for a result never computed
    b.u16(kAlwaysCalc);
    b.u32(0);
    b.u16(static_cast<unsigned>(tokens.size()));
    b.bytes(tokens);
  });
  if (text)
    out.record(kString, kVariableSize, [&](ByteWriter& b) { writeLongString(b, cached.text()); });
}

FormulaRecord readFormula(ByteReader& in) {
  FormulaRecord f;
  f.at = readCellHeader(in);
  auto result = in.take(8);
  if (result[6] == 0xFF && result[7] == 0xFF) {
    switch (result[0]) {
      case 0:
        f.stringFollows = true;
        break;
      case 1:
        f.cached = CellValue(result[2] != 0);
        break;
      case 2:
        if (!knownErrorCode(result[2])) in.fail("a formula result with an unknown error code");
        f.cached = CellValue(static_cast<ErrorCode>(result[2]));
        break;
      case 3:
        f.cached = CellValue(std::string());
        break;
      default:
        in.fail("a formula result of an unknown type");
    }
  } else {
    ByteReader number(result, in.recordId(), in.offset() - 8);
    f.cached = CellValue(number.f64());
  }
  f.flags = in.u16();
  in.skip(4);
  f.tokenSize = in.u16();
  if (f.flags & 0x0008) in.fail("shared formulas are not supported");
  return f;
}

std::string readString(ByteReader in) {
  std::string s = readLongString(in);
  in.expectEnd();
  return s;
}

}  // namespace spreadsheet::xls
