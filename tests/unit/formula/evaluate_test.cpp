#include <gtest/gtest.h>

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/workbook.h"
#include "value_printer.h"

namespace spreadsheet::formula {
namespace {

class Evaluate : public ::testing::Test {
 protected:
  Evaluate() : sheet(book.addSheet("TimeSheet")) {}

  void set(const char* a1, CellValue v) { sheet.cell(parseA1Range(a1).first).value = std::move(v); }

  CellValue eval(const std::string& text, CellAddress at = {20, 8}) {
    return evaluate(parse(text, Notation::A1, at), sheet, at);
  }
  CellValue evalR1C1(const std::string& text, CellAddress at) {
    return evaluate(parse(text, Notation::R1C1, at), sheet, at);
  }

  Workbook book;
  Worksheet& sheet;
};

// Values in A1:A7 and B1:B6 that the function cases below read.
class Functions : public Evaluate {
 protected:
  Functions() {
    set("A1", 1.0);
    set("A2", 2.0);
    set("A3", "3");  // numeric text
    set("A4", true);
    set("A5", "abc");
    // A6 stays empty
    set("A7", ErrorCode::Div0);
    set("B1", "apple");
    set("B2", "Apricot");
    set("B3", "banana");
    set("B4", 5.0);
    set("B5", "a*c");
    set("B6", "");
    set("C1", 10.0);
    set("C2", 20.0);
    set("C3", 30.0);
    set("C4", 40.0);
    set("C5", 50.0);
    set("C6", 60.0);
  }
};

TEST_F(Evaluate, TimeSheetDayBlockFormulas) {
  const std::string hours =
      "=IF((OR(RC[-1]=\"\",R[-1]C[-1]=\"\")),0,IF((RC[-1]<R[-1]C[-1]),((RC[-1]-R[-1]C[-1])*24)+24,"
      "(RC[-1]-R[-1]C[-1])*24))";
  const std::string breaks =
      "=IF((AND(RC[-1]=\"\",R[-1]C[-1]=\"\")),0,IF((RC[-1]=\"\"),(((R[-1]C[-1]))*24),(RC[-1]+R[-1]"
      "C[-1])*24))";
  const CellAddress f12{12, 6}, f15{15, 6};

  EXPECT_EQ(evalR1C1(hours, f12), CellValue(0.0)) << "no times";
  set("E11", 8.0 / 24);
  EXPECT_EQ(evalR1C1(hours, f12), CellValue(0.0)) << "start only";
  set("E12", 17.0 / 24);
  EXPECT_NEAR(evalR1C1(hours, f12).number(), 9.0, 1e-9);
  set("E11", 22.0 / 24);
  set("E12", 6.0 / 24);
  EXPECT_NEAR(evalR1C1(hours, f12).number(), 8.0, 1e-9) << "night shift runs into the next day";

  EXPECT_EQ(evalR1C1(breaks, f15), CellValue(0.0));
  set("E14", 0.5 / 24);
  EXPECT_NEAR(evalR1C1(breaks, f15).number(), 0.5, 1e-9) << "lunch alone";
  set("E15", 0.25 / 24);
  EXPECT_NEAR(evalR1C1(breaks, f15).number(), 0.75, 1e-9) << "lunch and another break";
}

TEST_F(Evaluate, DailyTotalAndDateFormulas) {
  const std::string total = "=SUMIF(R[-4]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)";
  set("F12", 0.0);  // hours with no times entered
  set("F15", 0.5);  // lunch 0:30
  EXPECT_EQ(evalR1C1(total, {16, 5}), CellValue(-0.5));
  set("F12", 9.0);
  EXPECT_EQ(evalR1C1(total, {16, 5}), CellValue(8.5));

  const std::string date = "=IF(R4C18=0,\"\",R4C18+6)";
  EXPECT_EQ(evalR1C1(date, {10, 17}), CellValue("")) << "no start date";
  set("R4", 38501.0);  // 5/29/2005
  EXPECT_EQ(evalR1C1(date, {10, 17}), CellValue(38507.0));
}

TEST_F(Evaluate, OperatorsAndCoercions) {
  set("A1", 3.0);
  set("A2", "abc");
  set("A3", true);
  const std::pair<const char*, CellValue> cases[] = {
      {"=-2^2", 4.0},
      {"=2^3^2", 64.0},
      {"=1+2*3", 7.0},
      {"=(1+2)*3", 9.0},
      {"=10-4-3", 3.0},
      {"=50%", 0.5},
      {"=200%%", 0.02},
      {"=7/2", 3.5},
      {"=1/0", ErrorCode::Div0},
      {"=0^0", ErrorCode::Num},
      {"=(-8)^0.5", ErrorCode::Num},
      {"=1E308*10", ErrorCode::Num},
      {"=\"3\"+1", 4.0},
      {"=\" 2.5 \"*2", 5.0},
      {"=\"abc\"+1", ErrorCode::Value},
      {"=A2*1", ErrorCode::Value},
      {"=TRUE+TRUE", 2.0},
      {"=A3*5", 5.0},
      {"=Z99+1", 1.0},
      {"=Z99", 0.0},
      {"=-Z99", 0.0},
      {"=+A2", "abc"},
      {"=-\"2\"", -2.0},
      {"=1&2", "12"},
      {"=\"x\"&Z99&TRUE&0.5", "xTRUE0.5"},
      {"=A1&\"h\"", "3h"},
      {"=1&2+3", "15"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(eval(text), expected) << text;
}

TEST_F(Evaluate, ComparisonsFollowTheApplicationsOrdering) {
  set("A1", "Hello");
  const std::pair<const char*, bool> cases[] = {
      {"=Z99=\"\"", true},       {"=Z99=0", true},       {"=Z99=FALSE", true},
      {"=Z99<1", true},          {"=Z99=Z98", true},     {"=\"\"=0", false},
      {"=A1=\"HELLO\"", true},   {"=\"a\"<\"B\"", true}, {"=\"abc\"<\"abd\"", true},
      {"=\"ab\"<\"abc\"", true}, {"=1<\"0\"", true},     {"=\"zzz\"<FALSE", true},
      {"=9E+99<\"\"", true},     {"=TRUE>FALSE", true},  {"=1=TRUE", false},
      {"=2>=2", true},           {"=2<>2", false},       {"=3<=2", false},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(eval(text), CellValue(expected)) << text;
}

TEST_F(Evaluate, ErrorsPropagate) {
  set("A1", ErrorCode::NA);
  const std::pair<const char*, CellValue> cases[] = {
      {"=A1+1", ErrorCode::NA},
      {"=1/0+A1", ErrorCode::Div0},  // the left operand's error comes first
      {"=A1=1", ErrorCode::NA},
      {"=A1&\"x\"", ErrorCode::NA},
      {"=-A1", ErrorCode::NA},
      {"=#REF!+1", ErrorCode::Ref},
      {"=NoSuchName", ErrorCode::Name},
      {"=NoSuchName*0", ErrorCode::Name},
      {"=FOO(1)", ErrorCode::Name},
      {"=IF(FOO(),1,2)", ErrorCode::Name},
      {"=Nowhere!A1", ErrorCode::Ref},
      {"=IF(A1,1,2)", ErrorCode::NA},
      {"=IF(\"maybe\",1,2)", ErrorCode::Value},
      {"=SUM(1,A1)", ErrorCode::NA},
      {"=IF(TRUE,1,A1)", 1.0},  // the branch not taken is not evaluated
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(eval(text), expected) << text;

  FormulaNode deleted = parse("=A2+1", Notation::A1, {1, 2});
  deleted.children[0] = FormulaNode();
  deleted.children[0].kind = FormulaKind::RefError;
  EXPECT_EQ(evaluate(deleted, sheet, {1, 2}), CellValue(ErrorCode::Ref));
}

TEST_F(Evaluate, AreasMeetTheFormulasRowOrColumn) {
  set("A5", 7.0);
  set("C1", 4.0);
  EXPECT_EQ(eval("=A1:A10*2", {5, 4}), CellValue(14.0));  // same row
  EXPECT_EQ(eval("=A1:E1+1", {9, 3}), CellValue(5.0));    // same column
  EXPECT_EQ(eval("=A1:A10", {11, 4}), CellValue(ErrorCode::Value));
  EXPECT_EQ(eval("=A1:B10", {5, 4}), CellValue(ErrorCode::Value));
  EXPECT_EQ(eval("=TimeSheet!A1:A10", {5, 4}), CellValue(7.0));
}

TEST_F(Evaluate, NamesResolveSheetScopeFirst) {
  Worksheet& other = book.addSheet("Other");
  set("B2", 0.5);
  other.cell({2, 2}).value = 100.0;
  book.names().push_back({"Rate", parse("=TimeSheet!$B$2", Notation::A1, {1, 1}), 0});
  book.names().push_back({"Rate", parse("=Other!$B$2", Notation::A1, {1, 1}), 2});
  book.names().push_back({"Hours", parse("=SUM(TimeSheet!$B$2:$B$3)*2", Notation::A1, {1, 1}), 0});
  book.names().push_back({"Loop", parse("=Loop+1", Notation::A1, {1, 1}), 0});
  book.names().push_back({"List", parse("=TimeSheet!$B$2:$B$3", Notation::A1, {1, 1}), 0});

  EXPECT_EQ(eval("=rate*2"), CellValue(1.0));
  EXPECT_EQ(evaluate(parse("=Rate", Notation::A1, {1, 1}), other, {1, 1}), CellValue(100.0));
  EXPECT_EQ(eval("=Other!Rate+TimeSheet!Rate"), CellValue(100.5));
  EXPECT_EQ(eval("=Hours"), CellValue(1.0));
  EXPECT_EQ(eval("=SUM(List)+COUNT(List)"), CellValue(1.5));
  EXPECT_EQ(eval("=Loop"), CellValue(ErrorCode::Value)) << "a name that names itself must not hang";

  // Names doubling each other 40 levels deep: each is evaluated once, not 2^40 times.
  for (int i = 0; i < 40; ++i)
    book.names().push_back(
        {"Twice" + std::to_string(i),
         parse("=Twice" + std::to_string(i + 1) + "+Twice" + std::to_string(i + 1), Notation::A1,
               {1, 1}),
         0});
  book.names().push_back({"Twice40", parse("=1", Notation::A1, {1, 1}), 0});
  EXPECT_EQ(eval("=Twice10"), CellValue(1073741824.0));
  EXPECT_EQ(eval("=Twice0"), CellValue(ErrorCode::Value)) << "deeper than names are followed";
  book.names().push_back({"Self", parse("=Self+Self", Notation::A1, {1, 1}), 0});
  EXPECT_EQ(eval("=Self"), CellValue(ErrorCode::Value));
}

TEST_F(Functions, LogicalFunctions) {
  const std::pair<const char*, CellValue> cases[] = {
      {"=IF(1,\"y\",\"n\")", "y"},
      {"=IF(0,\"y\",\"n\")", "n"},
      {"=IF(FALSE,1)", false},
      {"=IF(TRUE,,1)", 0.0},
      {"=IF(\"true\",1,2)", 1.0},
      {"=IF(A6,1,2)", 2.0},
      {"=AND(TRUE,1,A1:A2)", true},
      {"=AND(TRUE,0)", false},
      {"=AND(B1:B3)", ErrorCode::Value},
      {"=AND(A1:A7)", ErrorCode::Div0},
      {"=AND(\"x\")", ErrorCode::Value},
      {"=OR(FALSE,A4)", true},
      {"=OR(0,0)", false},
      {"=OR(A5,A6,A1)", true},
      {"=NOT(0)", true},
      {"=NOT(A1)", false},
      {"=NOT(A6)", true},
      {"=NOT(1,2)", ErrorCode::Value},
      {"=OR(A6=\"\",A1=\"\")", true},
      {"=AND(A6=\"\",A1=\"\")", false},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(eval(text), expected) << text;
}

TEST_F(Functions, AggregatesTreatReferencesAndTypedValuesDifferently) {
  const std::pair<const char*, CellValue> cases[] = {
      // References contribute numbers only; typed arguments convert.
      {"=SUM(A1:A6)", 3.0},
      {"=SUM(A1:A6,\"3\",TRUE)", 7.0},
      {"=SUM(A1:A7)", ErrorCode::Div0},
      {"=SUM(\"abc\")", ErrorCode::Value},
      {"=SUM()", 0.0},
      {"=SUM(C1:C6)", 210.0},
      {"=SUM(C:C)", 210.0},
      {"=SUM(1:3)", 63.0},
      {"=MIN(C1:C6,15)", 10.0},
      {"=MAX(C1:C6,-1)", 60.0},
      {"=MIN(B1:B3)", 0.0},
      {"=MAX(A1:A7)", ErrorCode::Div0},
      {"=AVERAGE(C1:C4)", 25.0},
      {"=AVERAGE(B1:B3)", ErrorCode::Div0},
      {"=AVERAGE(A1:A6,6)", 3.0},
      {"=COUNT(A1:A7)", 2.0},
      {"=COUNT(1,\"2\",\"x\",TRUE)", 3.0},
      {"=COUNTA(A1:A7)", 6.0},
      {"=COUNTA(B1:B6,Z1:Z9)", 6.0},
      {"=COUNTA(1,\"\")", 2.0},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(eval(text), expected) << text;
}

TEST_F(Functions, NumberFunctions) {
  const std::pair<const char*, CellValue> cases[] = {
      {"=ROUND(2.675,2)", 2.68},
      {"=ROUND(-2.5,0)", -3.0},
      {"=ROUND(1234.5,-2)", 1200.0},
      {"=ROUND(0.125,2)", 0.13},
      {"=ROUND(8.5/24*24,0)", 9.0},
      {"=ROUND(1.5,1.9)", 1.5},
      {"=ROUND(1E300,2)", 1E300},
      {"=ROUND(\"x\",1)", ErrorCode::Value},
      {"=ROUND(1)", ErrorCode::Value},
      {"=ABS(-4)", 4.0},
      {"=ABS(A3)", 3.0},
      {"=ABS(A7)", ErrorCode::Div0},
      {"=INT(-1.5)", -2.0},
      {"=INT(1.99)", 1.0},
      {"=INT(A4)", 1.0},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(eval(text), expected) << text;
}

TEST_F(Functions, ConditionalSumsAndCounts) {
  const std::pair<const char*, CellValue> cases[] = {
      {"=SUMIF(C1:C6,\">25\")", 180.0},
      {"=SUMIF(C1:C6,\"=20\")", 20.0},
      {"=SUMIF(C1:C6,20)", 20.0},
      {"=SUMIF(C1:C6,\"<=20\")", 30.0},
      {"=SUMIF(C1:C6,\"<>20\")", 190.0},
      {"=SUMIF(B1:B6,\"a*\",C1:C6)", 80.0},  // apple, Apricot, a*c
      {"=SUMIF(B1:B6,\"a*\",C1)", 80.0},     // the sum range takes the range's shape
      {"=SUMIF(B1:B6,\"?pple\",C1:C6)", 10.0},
      {"=SUMIF(B1:B6,\"a~*c\",C1:C6)", 50.0},
      {"=SUMIF(B1:B6,\"<>apple\",C1:C6)", 200.0},
      {"=SUMIF(B1:B6,\"\",C1:C6)", 60.0},
      {"=SUMIF(B1:B6,5,C1:C6)", 40.0},
      {"=SUMIF(A1:A7,\">0\",C1:C7)", 30.0},  // the error in the range just fails to match
      {"=COUNTIF(A1:A7,\"#DIV/0!\")", 1.0},
      {"=SUMIF(C1:C6,\">0\",A1:A7)", 3.0},  // text and truth values in the sum range add nothing
      {"=SUMIF(C1:C7,\">0\",A2:A8)", ErrorCode::Div0},
      {"=SUMIF(5,\">0\")", ErrorCode::Value},
      {"=COUNTIF(B1:B6,\"a*\")", 3.0},
      {"=COUNTIF(B1:B6,\"APPLE\")", 1.0},
      {"=COUNTIF(B1:B6,\"b?nana\")", 1.0},
      {"=COUNTIF(B1:B6,\">b\")", 1.0},
      {"=COUNTIF(A1:A7,\"<>abc\")", 6.0},
      {"=COUNTIF(Z1:Z10,\"\")", 10.0},
      {"=COUNTIF(A1:A7,\"\")", 1.0},
      {"=COUNTIF(A1:A7,\"<>\")", 6.0},
      {"=COUNTIF(A1:A7,\"3\")", 1.0},  // numeric text matches a number criterion
      {"=COUNTIF(A1:A7,TRUE)", 1.0},
      {"=COUNTIF(C:C,\">=30\")", 4.0},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(eval(text), expected) << text;
}

}  // namespace
}  // namespace spreadsheet::formula
