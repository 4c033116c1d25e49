#include <array>

#include "spreadsheet/model/address.h"
#include "spreadsheet/model/units.h"
#include "spreadsheet/xls/formula_tokens.h"
#include "spreadsheet/xls/function_table.h"
#include "spreadsheet/xls/ptg.h"

namespace spreadsheet::xls {

namespace {

using namespace ptg;

constexpr std::array<std::string_view, 12> kBinaryOps = {"+", "-",  "*", "/",  "^", "&",
                                                         "<", "<=", "=", ">=", ">", "<>"};

class Decompiler {
 public:
  Decompiler(ByteReader& in, const TokenNames& names) : in_(in), names_(names) {
    stack_.reserve(16);
  }
  FormulaNode run(std::size_t end);

 private:
  void basic(std::uint8_t ptg);
  void classed(std::uint8_t base);
  void attribute();
  void function(const FunctionInfo* f, std::size_t argc);
  void reference(FormulaKind kind, bool threeD);
  FormulaRef cellField(std::uint16_t row, std::uint16_t column);
  // Operands and operators are built where they stand on the stack, and each
  // node moves once: into its parent's children.
  FormulaNode& push(FormulaKind kind) {
    FormulaNode& n = stack_.emplace_back();
    n.kind = kind;
    return n;
  }
  // Replaces the top `argc` operands by a node of `kind` holding them.
  FormulaNode& reduce(FormulaKind kind, std::size_t argc, std::string_view failure);

  ByteReader& in_;
  const TokenNames& names_;
  std::vector<FormulaNode> stack_;
};

FormulaNode& Decompiler::reduce(FormulaKind kind, std::size_t argc, std::string_view failure) {
  if (argc > stack_.size()) in_.fail(failure);
  auto first = stack_.end() - static_cast<std::ptrdiff_t>(argc);
  std::vector<FormulaNode> children;
  children.reserve(argc);
  children.assign(std::make_move_iterator(first), std::make_move_iterator(stack_.end()));
  stack_.erase(first, stack_.end());
  FormulaNode& n = push(kind);
  n.children = std::move(children);
  return n;
}

FormulaRef Decompiler::cellField(std::uint16_t row, std::uint16_t column) {
  FormulaRef r;
  r.row = row + 1;
  r.column = (column & 0x3FFF) + 1;
  if (r.column > kXlsLimits.columns) in_.fail("a formula refers to a column beyond the sheet");
  r.columnRelative = column & 0x4000;
  r.rowRelative = column & 0x8000;
  return r;
}

void Decompiler::reference(FormulaKind kind, bool threeD) {
  FormulaNode& n = push(kind);
  if (threeD) {
    std::uint16_t xti = in_.u16();
    std::optional<std::string> sheet = names_.sheetName(xti);
    if (!sheet) in_.fail("a formula refers to an EXTERNSHEET entry that does not exist");
    n.sheet = std::move(*sheet);
  }
  if (kind == FormulaKind::RefError) {
    in_.skip(4);
  } else if (kind == FormulaKind::Cell) {
    std::uint16_t row = in_.u16();
    n.first = n.last = cellField(row, in_.u16());
  } else {
    std::uint16_t r1 = in_.u16(), r2 = in_.u16(), c1 = in_.u16(), c2 = in_.u16();
    n.first = cellField(r1, c1);
    n.last = cellField(r2, c2);
    // The file's whole rows and columns are whole rows and columns of the larger grid.
    if (r1 == 0 && r2 == 0xFFFF) n.last.row = kMaxRows;
    if ((c1 & 0xFF) == 0 && (c2 & 0x3FFF) == 0xFF) n.last.column = kMaxColumns;
  }
}

void Decompiler::function(const FunctionInfo* f, std::size_t argc) {
  reduce(FormulaKind::Function, argc, "a function has fewer operands than it declares").text =
      f->name;
}

void Decompiler::attribute() {
  std::uint8_t flags = in_.u8();
  std::uint16_t data = in_.u16();
  if (flags & 0x04) {  // CHOOSE jump table
    in_.skip((static_cast<std::size_t>(data) + 1) * 2);
  } else if (flags & 0x10) {  // SUM of a single argument
    function(functionByName("SUM"), 1);
  }
}

void Decompiler::basic(std::uint8_t ptg) {
  constexpr std::string_view kLacksOperands = "a formula operator lacks its operands";
  if (ptg >= kFirstBinary && ptg <= kLastBinary) {
    reduce(FormulaKind::Binary, 2, kLacksOperands).text = kBinaryOps[ptg - kFirstBinary];
    return;
  }
  switch (ptg) {
    case kUplus:
    case kUminus:
      reduce(FormulaKind::Unary, 1, kLacksOperands).text = ptg == kUminus ? "-" : "+";
      return;
    case kPercent:
    case kParen:
      reduce(ptg == kPercent ? FormulaKind::Percent : FormulaKind::Parentheses, 1, kLacksOperands);
      return;
    case kMissArg:
      push(FormulaKind::Missing);
      return;
    case kStr:
      push(FormulaKind::Text).text = readShortString(in_);
      return;
    case kAttr:
      return attribute();
    case kErr: {
      std::uint8_t code = in_.u8();
      if (!knownErrorCode(code)) in_.fail("a formula holds an unknown error code");
      push(FormulaKind::Error).error = static_cast<ErrorCode>(code);
      return;
    }
    case kBool:
      push(FormulaKind::Boolean).boolean = in_.u8() != 0;
      return;
    case kInt:
      push(FormulaKind::Number).number = in_.u16();
      return;
    case kNum:
      push(FormulaKind::Number).number = in_.f64();
      return;
    default:
      in_.fail("a formula holds an unsupported token");
  }
}

void Decompiler::classed(std::uint8_t base) {
  switch (base) {
    case kFunc:
    case kFuncVar: {
      std::size_t argc = base == kFuncVar ? (in_.u8() & 0x7F) : 0;
      std::uint16_t id = in_.u16() & 0x7FFF;
      const FunctionInfo* f = functionById(id);
      if (!f) in_.fail("a formula calls an unsupported function");
      return function(f, base == kFuncVar ? argc : f->minArgs);
    }
    case kName: {
      std::optional<std::string> text = names_.nameText(in_.u32());
      if (!text) in_.fail("a formula refers to a NAME record that does not exist");
      push(FormulaKind::Name).text = std::move(*text);
      return;
    }
    case kRef:
    case kRef3d:
      return reference(FormulaKind::Cell, base == kRef3d);
    case kArea:
    case kArea3d:
      return reference(FormulaKind::Area, base == kArea3d);
    case kRefErr:
    case kRefErr3d:
      return reference(FormulaKind::RefError, base == kRefErr3d);
    case kAreaErr:
    case kAreaErr3d:
      reference(FormulaKind::RefError, base == kAreaErr3d);
      in_.skip(4);  // an area error carries eight unused bytes
      return;
    default:
      in_.fail("a formula holds an unsupported token");
  }
}

FormulaNode Decompiler::run(std::size_t end) {
  while (in_.position() < end) {
    std::uint8_t ptg = in_.u8();
    if (ptg < 0x20)
      basic(ptg);
    else if (ptg < 0x80)
      classed(ptg & 0x1F);
    else
      in_.fail("a formula holds an unsupported token");
  }
  if (in_.position() != end) in_.fail("a formula token runs past the formula's size");
  if (stack_.size() != 1) in_.fail("a formula's tokens do not make one expression");
  return std::move(stack_.back());
}

}  // namespace

FormulaNode decompileFormula(ByteReader& in, std::size_t size, const TokenNames& names) {
  if (size == 0) return FormulaNode{};
  if (size > in.remaining()) in.fail("a formula's size runs past the end of the record");
  ByteReader tokens(in.take(size), in.recordId(), in.offset() - size);
  Decompiler d(tokens, names);
  return d.run(size);
}

}  // namespace spreadsheet::xls
