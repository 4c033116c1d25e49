#include "spreadsheet/xls/formula_tokens.h"

#include <array>
#include <cmath>

#include "spreadsheet/model/address.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/units.h"
#include "spreadsheet/xls/function_table.h"
#include "spreadsheet/xls/ptg.h"

namespace spreadsheet::xls {

namespace {

using namespace ptg;

constexpr int kFileRows = kXlsLimits.rows;
constexpr int kFileColumns = kXlsLimits.columns;

// Binary operators, token id = index + 3.
constexpr std::array<std::string_view, 12> kBinaryOps = {"+", "-",  "*", "/",  "^", "&",
                                                         "<", "<=", "=", ">=", ">", "<>"};

std::uint8_t classBits(char cls) {
  return cls == 'R' ? 0x20 : cls == 'A' ? 0x60 : 0x40;
}

class Compiler {
 public:
  Compiler(const TokenLinks& links, ByteWriter& out) : links_(links), out_(out) {}

  void emit(const FormulaNode& n, char cls);

 private:
  void emitNumber(double v);
  void emitReference(const FormulaNode& n, char cls);
  void emitFunction(const FormulaNode& n, char cls);
  void emitCellField(const FormulaRef& r, bool wholeRows, bool wholeColumns, bool rowPart);
  std::optional<std::uint16_t> xtiOf(const std::string& sheet) const {
    return sheet.empty() ? std::nullopt : links_.sheetXti(sheet);
  }

  const TokenLinks& links_;
  ByteWriter& out_;
};

void Compiler::emitNumber(double v) {
  if (v >= 0 && v <= 65535 && v == std::floor(v) && !std::signbit(v)) {
    out_.u8(kInt);
    out_.u16(static_cast<unsigned>(v));
  } else {
    out_.u8(kNum);
    out_.f64(v);
  }
}

void checkInFile(const FormulaRef& r) {
  if (r.row < 1 || r.row > kFileRows || r.column < 1 || r.column > kFileColumns)
    throw Error("A formula refers to " + toA1(CellAddress{r.row, r.column}) +
                ", beyond the 65,536 rows and 256 columns of this file format.");
}

std::uint16_t columnField(const FormulaRef& r, int column) {
  return static_cast<std::uint16_t>((column - 1) | (r.columnRelative ? 0x4000 : 0) |
                                    (r.rowRelative ? 0x8000 : 0));
}

void Compiler::emitReference(const FormulaNode& n, char cls) {
  bool area = n.kind == FormulaKind::Area;
  std::optional<std::uint16_t> xti = xtiOf(n.sheet);
  if (n.kind == FormulaKind::RefError || (!n.sheet.empty() && !xti)) {
    out_.u8((xti ? kRefErr3d : kRefErr) | classBits(cls));
    if (xti) out_.u16(*xti);
    out_.zeros(4);
    return;
  }
  FormulaRef a = n.first, b = area ? n.last : n.first;
  if (area) {  // whole rows and columns of the larger grid are the file's whole rows and columns
    if (a.row == 1 && b.row == kMaxRows) b.row = kFileRows;
    if (a.column == 1 && b.column == kMaxColumns) b.column = kFileColumns;
  }
  checkInFile(a);
  checkInFile(b);
  std::uint8_t id = area ? (xti ? kArea3d : kArea) : (xti ? kRef3d : kRef);
  out_.u8(id | classBits(cls));
  if (xti) out_.u16(*xti);
  out_.u16(static_cast<unsigned>(a.row - 1));
  if (area) out_.u16(static_cast<unsigned>(b.row - 1));
  out_.u16(columnField(a, a.column));
  if (area) out_.u16(columnField(b, b.column));
}

void Compiler::emitFunction(const FormulaNode& n, char cls) {
  const FunctionInfo* f = functionByName(n.text);
  if (!f) throw Error("The function " + n.text + " cannot be saved in this file format.");
  std::size_t argc = n.children.size();
  if (argc < f->minArgs || argc > f->maxArgs)
    throw Error("The function " + n.text + " has a wrong number of arguments.");
  for (std::size_t i = 0; i < argc; ++i) emit(n.children[i], f->paramClass(i));
  char own = (f->returnClass == 'R' && cls == 'R') ? 'R' : (cls == 'A' ? 'A' : 'V');
  if (f->fixedArity()) {
    out_.u8(kFunc | classBits(own));
  } else {
    out_.u8(kFuncVar | classBits(own));
    out_.u8(static_cast<unsigned>(argc));
  }
  out_.u16(f->id);
}

void Compiler::emit(const FormulaNode& n, char cls) {
  switch (n.kind) {
    case FormulaKind::Number:
      return emitNumber(n.number);
    case FormulaKind::Text:
      out_.u8(kStr);
      if (!writeShortStringWithin(out_, n.text))
        throw Error("A text in a formula is longer than 255 characters.");
      return;
    case FormulaKind::Boolean:
      out_.u8(kBool);
      return out_.u8(n.boolean ? 1 : 0);
    case FormulaKind::Error:
      out_.u8(kErr);
      return out_.u8(static_cast<unsigned>(n.error));
    case FormulaKind::Missing:
      return out_.u8(kMissArg);
    case FormulaKind::Cell:
    case FormulaKind::Area:
    case FormulaKind::RefError:
      return emitReference(n, cls);
    case FormulaKind::Name:
      out_.u8(kName | classBits(cls == 'V' ? 'V' : 'R'));
      return out_.u32(links_.nameIndex(n.text));
    case FormulaKind::Function:
      return emitFunction(n, cls);
    case FormulaKind::Unary:
      if (n.children.size() != 1) break;
      emit(n.children[0], 'V');
      return out_.u8(n.text == "-" ? kUminus : kUplus);
    case FormulaKind::Percent:
      if (n.children.size() != 1) break;
      emit(n.children[0], 'V');
      return out_.u8(kPercent);
    case FormulaKind::Parentheses:
      if (n.children.size() != 1) break;
      emit(n.children[0], cls);
      return out_.u8(kParen);
    case FormulaKind::Binary:
      if (n.children.size() != 2) break;
      for (std::size_t i = 0; i < kBinaryOps.size(); ++i) {
        if (kBinaryOps[i] != n.text) continue;
        emit(n.children[0], 'V');
        emit(n.children[1], 'V');
        return out_.u8(static_cast<unsigned>(kFirstBinary + i));
      }
      throw Error("The operator " + n.text + " cannot be saved in this file format.");
  }
  throw Error("A formula is malformed and cannot be saved.");
}

}  // namespace

bool knownErrorCode(std::uint8_t code) {
  for (ErrorCode e : {ErrorCode::Null, ErrorCode::Div0, ErrorCode::Value, ErrorCode::Ref,
                      ErrorCode::Name, ErrorCode::Num, ErrorCode::NA})
    if (code == static_cast<std::uint8_t>(e)) return true;
  return false;
}

void compileFormula(const FormulaNode& root, FormulaPlace place, const TokenLinks& links,
                    ByteWriter& out) {
  Compiler(links, out).emit(root, place == FormulaPlace::Cell ? 'V' : 'R');
}

std::vector<std::uint8_t> compileFormula(const FormulaNode& root, FormulaPlace place,
                                         const TokenLinks& links) {
  ByteWriter out;
  out.reserve(64);
  compileFormula(root, place, links, out);
  return std::move(out.data());
}

}  // namespace spreadsheet::xls
