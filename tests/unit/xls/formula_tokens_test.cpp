#include "spreadsheet/xls/formula_tokens.h"

#include <gtest/gtest.h>

#include "spreadsheet/model/error.h"
#include "spreadsheet/xls/function_table.h"
#include "test_workbooks.h"

namespace spreadsheet::xls {
namespace {

using namespace testing;
using Bytes = std::vector<std::uint8_t>;

const std::vector<std::string> kNames = {"Rate", "Time0"};
const std::vector<std::string> kSheets = {"Time Sheet", "Other"};

TokenLinks links() {
  return {[](const std::string& n) {
            for (std::size_t i = 0; i < kNames.size(); ++i)
              if (kNames[i] == n) return static_cast<std::uint32_t>(i + 1);
            throw Error("no such name");
          },
          [](const std::string& s) -> std::optional<std::uint16_t> {
            for (std::size_t i = 0; i < kSheets.size(); ++i)
              if (kSheets[i] == s) return static_cast<std::uint16_t>(i);
            return std::nullopt;
          }};
}

TokenNames names() {
  return {[](std::uint32_t i) -> std::optional<std::string> {
            if (i == 0 || i > kNames.size()) return std::nullopt;
            return kNames[i - 1];
          },
          [](std::uint16_t x) -> std::optional<std::string> {
            if (x >= kSheets.size()) return std::nullopt;
            return kSheets[x];
          }};
}

FormulaNode decompile(const Bytes& tokens) {
  ByteReader in(tokens, 0x0006, 0);
  return decompileFormula(in, tokens.size(), names());
}

TEST(FormulaTokens, CompileToTheFilesTokens) {
  // SUM(A1:B2)+1: a reference-class area, a variable-argument call, an integer, the operator.
  EXPECT_EQ(compileFormula(binary("+", call("SUM", {area(1, 1, 2, 2)}), number(1)),
                           FormulaPlace::Cell, links()),
            (Bytes{0x25, 0, 0, 1, 0, 0, 0, 1, 0, 0x42, 1, 4, 0, 0x1E, 1, 0, 0x03}));
  // A relative cell as a value: both relative bits set.
  EXPECT_EQ(compileFormula(cell(1, 1), FormulaPlace::Cell, links()),
            (Bytes{0x44, 0, 0, 0x00, 0xC0}));
  // ROUND has a fixed argument count: PtgFunc without a count.
  EXPECT_EQ(compileFormula(call("ROUND", {number(1.5), number(0)}), FormulaPlace::Cell, links()),
            (Bytes{0x1F, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F, 0x1E, 0, 0, 0x41, 27, 0}));
  // A defined name's area on a sheet: PtgArea3d with the sheet's EXTERNSHEET entry.
  EXPECT_EQ(compileFormula(area(200, 1, 295, 1, "Time Sheet"), FormulaPlace::Name, links()),
            (Bytes{0x3B, 0, 0, 199, 0, 38, 1, 0, 0, 0, 0}));
  EXPECT_EQ(compileFormula(name("Time0"), FormulaPlace::Validation, links()),
            (Bytes{0x23, 2, 0, 0, 0}));
  EXPECT_EQ(compileFormula(name("Time0"), FormulaPlace::Cell, links()), (Bytes{0x43, 2, 0, 0, 0}));
}

TEST(FormulaTokens, TreesReadBackInTheSameShape) {
  FormulaNode ref = cell(5, 3);
  ref.first.rowRelative = false;
  ref.last = ref.first;
  FormulaNode refError;
  refError.kind = FormulaKind::RefError;
  FormulaNode sheetRefError = refError;
  sheetRefError.sheet = "Other";
  FormulaNode error;
  error.kind = FormulaKind::Error;
  error.error = ErrorCode::Div0;
  FormulaNode boolean;
  boolean.kind = FormulaKind::Boolean;
  boolean.boolean = true;
  FormulaNode missing;
  const FormulaNode cases[] = {
      wrap(FormulaKind::Parentheses, binary("+", cell(1, 1), number(2))),
      binary("*", wrap(FormulaKind::Unary, number(3), "-"), wrap(FormulaKind::Percent, number(50))),
      wrap(FormulaKind::Unary, cell(2, 2), "+"),
      call("IF", {binary("<>", ref, text("")), text("x\"y"),
                  call("SUMIF", {area(1, 1, 9, 1), text(">0"), area(1, 2, 9, 2)})}),
      call("COUNTIF", {area(1, 1, kMaxRows, 1), number(1)}),  // a whole column
      call("SUM", {area(3, 1, 3, kMaxColumns)}),              // a whole row
      binary("&", cell(1, 1, false, "Other"), name("Rate")),
      call("AND", {boolean, error, refError, sheetRefError}),
      call("IF", {boolean, missing, number(-0.5)}),
      call("ROUND", {number(70000), number(1e-3)}),
      binary("<=", text("日本"), text(std::string(255, 'z'))),
      call("NOW", {}),
  };
  for (const FormulaNode& tree : cases) {
    Bytes tokens = compileFormula(tree, FormulaPlace::Cell, links());
    EXPECT_EQ(decompile(tokens), tree) << "tokens: " << tokens.size();
  }
}

TEST(FormulaTokens, RefusesWhatTheFileCannotHold) {
  EXPECT_THROW(compileFormula(call("NOSUCH", {}), FormulaPlace::Cell, links()), Error);
  EXPECT_THROW(compileFormula(call("ROUND", {number(1)}), FormulaPlace::Cell, links()), Error);
  EXPECT_THROW(compileFormula(text(std::string(256, 'a')), FormulaPlace::Cell, links()), Error);
  EXPECT_THROW(compileFormula(cell(65537, 1), FormulaPlace::Cell, links()), Error);
  EXPECT_THROW(compileFormula(area(1, 1, 2, 257), FormulaPlace::Cell, links()), Error);
  FormulaNode badBinary = binary("+", number(1), number(2));
  badBinary.children.pop_back();
  EXPECT_THROW(compileFormula(badBinary, FormulaPlace::Cell, links()), Error);
  // A reference to a sheet that no longer exists is stored as #REF!.
  FormulaNode gone =
      decompile(compileFormula(cell(1, 1, true, "Gone"), FormulaPlace::Cell, links()));
  EXPECT_EQ(gone.kind, FormulaKind::RefError);
}

// Function names are found through a hash table: every name the file numbers
// must come back with its own number, whatever its slot.
TEST(FormulaTokens, FunctionsFoundByNameCarryTheFilesNumber) {
  const std::pair<const char*, int> known[] = {{"COUNT", 0},  {"IF", 1},           {"SUM", 4},
                                               {"ROUND", 27}, {"AND", 36},         {"OR", 37},
                                               {"NOT", 38},   {"SUMIF", 345},      {"COUNTIF", 346},
                                               {"MINA", 363}, {"CONCATENATE", 336}};
  for (const auto& [name, id] : known) {
    const FunctionInfo* f = functionByName(name);
    ASSERT_NE(f, nullptr) << name;
    EXPECT_EQ(f->id, id) << name;
  }
  int found = 0;
  for (int id = 0; id <= 0xFFFF; ++id) {
    const FunctionInfo* f = functionById(static_cast<std::uint16_t>(id));
    if (!f) continue;
    ++found;
    EXPECT_EQ(functionByName(f->name), f) << f->name;
  }
  EXPECT_GT(found, 100);
  for (const char* unknown : {"", "NOSUCH", "sum", "SUMM", "SU"})
    EXPECT_EQ(functionByName(unknown), nullptr) << unknown;
}

TEST(FormulaTokens, MalformedTokensRaiseErrorsNotCrashes) {
  const Bytes cases[] = {
      {0x03},                       // an operator without operands
      {0x1E, 1, 0, 0x1E, 2, 0},     // two expressions
      {0x1F, 0, 0, 0},              // a number cut short
      {0x42, 5, 4, 0},              // SUM of five operands from an empty stack
      {0x41, 0xFF, 0x7F},           // a function id not in the table
      {0x20, 0, 0, 0, 0, 0, 0, 0},  // an array constant
      {0x43, 9, 0, 0, 0},           // a name index past the names
      {0x3A, 7, 0, 0, 0, 0, 0},     // an EXTERNSHEET entry past the table
      {0x44, 0, 0, 0x00, 0x01},     // column 257
      {0x1C, 0x55},                 // an unknown error code
      {0x17, 10, 0, 'a'},           // a string cut short
      {0xFF},                       // no such token
  };
  for (const Bytes& tokens : cases) EXPECT_THROW(decompile(tokens), Error) << int(tokens[0]);
}

}  // namespace
}  // namespace spreadsheet::xls
