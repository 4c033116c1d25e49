#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/workbook.h"
#include "value_printer.h"

namespace spreadsheet::formula {
namespace {

class Recalculate : public ::testing::Test {
 protected:
  Recalculate() : sheet(book.addSheet("TimeSheet")) {}

  void formula(Worksheet& s, const char* a1, const std::string& text, Notation n = Notation::A1) {
    CellAddress at = parseA1Range(a1).first;
    s.cell(at).formula = parse(text, n, at);
  }
  void formula(const char* a1, const std::string& text, Notation n = Notation::A1) {
    formula(sheet, a1, text, n);
  }
  void set(const char* a1, CellValue v) { sheet.cell(parseA1Range(a1).first).value = std::move(v); }
  const CellValue& at(const char* a1) const { return sheet.find(parseA1Range(a1).first)->value; }

  Workbook book;
  Worksheet& sheet;
};

TEST_F(Recalculate, InputsAreComputedBeforeTheFormulasThatUseThem) {
  // Stored in row order, each formula reads formulas further down or on
  // another sheet, so a single pass in storage order would read stale values.
  Worksheet& rates = book.addSheet("Rates");
  formula("A1", "=A2*2");
  formula("A2", "=SUM(B1:B3)+Rates!A1");
  formula("B2", "=B3+1");
  set("B3", 10.0);
  formula(rates, "A1", "=TimeSheet!B3/10");
  book.names().push_back({"Doubled", parse("=TimeSheet!$A$1", Notation::A1, {1, 1}), 0});
  formula("C1", "=Doubled+1");

  recalculate(book);
  EXPECT_EQ(rates.find({1, 1})->value, CellValue(1.0));
  EXPECT_EQ(at("B2"), CellValue(11.0));
  EXPECT_EQ(at("A2"), CellValue(22.0));
  EXPECT_EQ(at("A1"), CellValue(44.0));
  EXPECT_EQ(at("C1"), CellValue(45.0)) << "a name's cells are inputs too";

  set("B3", 20.0);
  recalculate(book);
  EXPECT_EQ(at("A1"), CellValue(86.0)) << "every pass sees current inputs";
}

TEST_F(Recalculate, CircularReferencesGiveValueErrorAndTheRestStillComputes) {
  formula("A1", "=B1+1");
  formula("B1", "=A1+1");
  formula("C1", "=C1*2");
  formula("D1", "=A1&\"x\"");  // depends on the cycle without being part of it
  formula("E1", "=SUM(F1:F3)");
  set("F1", 2.0);
  formula("F2", "=F1*3");
  formula("G1", "=SUM(G2:G3)");
  formula("G3", "=SUM(G1:G2)");
  formula("H1", "=IF(FALSE,H1,5)");  // a reference to itself counts even on a branch not taken
  // A name built on itself and a formula over it: finishes, as an error.
  book.names().push_back({"Grow", parse("=Grow+Grow+I2", Notation::A1, {1, 1}), 0});
  formula("I1", "=Grow");

  recalculate(book);
  for (const char* cell : {"A1", "B1", "C1", "D1", "G1", "G3", "H1", "I1"})
    EXPECT_EQ(at(cell), CellValue(ErrorCode::Value)) << cell;
  EXPECT_EQ(at("F2"), CellValue(6.0));
  EXPECT_EQ(at("E1"), CellValue(8.0));
}

TEST_F(Recalculate, LongChainsNeitherOverflowTheStackNorRepeatWork) {
  constexpr int kLength = 20000;
  set("A1", 1.0);
  for (int r = 2; r <= kLength; ++r)
    sheet.cell({r, 1}).formula = parse("=R[-1]C+1", Notation::R1C1, {r, 1});
  // A reversed chain: each formula reads the one below it.
  for (int r = 1; r < kLength; ++r)
    sheet.cell({r, 2}).formula = parse("=R[1]C+1", Notation::R1C1, {r, 2});
  sheet.cell({kLength, 2}).formula = parse("=1", Notation::R1C1, {kLength, 2});
  recalculate(book);
  EXPECT_EQ(sheet.find({kLength, 1})->value, CellValue(static_cast<double>(kLength)));
  EXPECT_EQ(sheet.find({1, 2})->value, CellValue(static_cast<double>(kLength)));
}

TEST_F(Recalculate, ADayBlockOfTheTimeSheet) {
  // Block E..F of the first day: times in E11/E12, breaks in E14/E15, the
  // hours in F12, break hours in F15, the daily total in E16, the date in E10.
  formula("E10", "=IF(R4C18=0,\"\",R4C18+0)", Notation::R1C1);
  formula("F12",
          "=IF((OR(RC[-1]=\"\",R[-1]C[-1]=\"\")),0,IF((RC[-1]<R[-1]C[-1]),((RC[-1]-R[-1]C[-1])*24)+"
          "24,(RC[-1]-R[-1]C[-1])*24))",
          Notation::R1C1);
  formula("F15",
          "=IF((AND(RC[-1]=\"\",R[-1]C[-1]=\"\")),0,IF((RC[-1]=\"\"),(((R[-1]C[-1]))*24),(RC[-1]+R["
          "-1]C[-1])*24))",
          Notation::R1C1);
  formula("E16", "=SUMIF(R[-4]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)", Notation::R1C1);
  formula("R12", "=SUM(RC[-15]:RC[-2])", Notation::R1C1);
  set("E14", 0.5 / 24);

  recalculate(book);
  EXPECT_EQ(at("E10"), CellValue(""));
  EXPECT_EQ(at("F12"), CellValue(0.0));
  EXPECT_NEAR(at("F15").number(), 0.5, 1e-12);
  EXPECT_NEAR(at("E16").number(), -0.5, 1e-12);

  set("R4", 38501.0);
  set("E11", 8.0 / 24);
  set("E12", 17.0 / 24);
  recalculate(book);
  EXPECT_EQ(at("E10"), CellValue(38501.0));
  EXPECT_NEAR(at("F12").number(), 9.0, 1e-12);
  EXPECT_NEAR(at("E16").number(), 8.5, 1e-12);
  EXPECT_NEAR(at("R12").number(), 17.0 / 24 + 9.0, 1e-12);  // C12:P12 holds E12 and F12
}

// A formula on the first sheet reads formula cells of the second, which are
// computed later in storage order: every one of them inside its reference
// must be found as an input, whatever rows and columns the reference spans.
TEST(RecalculateInputs, FormulaCellsInsideAReferenceAreFound) {
  struct Case {
    const char* reference;
    std::vector<std::pair<const char*, const char*>> data;  // cell, formula or number
    double expected;
  };
  const Case cases[] = {
      {"SUM(Data!A1:A100)", {{"A5", "=2"}, {"A7", "4"}, {"A9", "=3"}}, 9},
      {"SUM(Data!B6:C6)", {{"A6", "=100"}, {"B6", "=1"}, {"C6", "=2"}, {"D6", "=200"}}, 3},
      {"SUM(Data!C:C)", {{"C2", "=4"}, {"C300", "=5"}, {"D300", "=50"}}, 9},
      {"SUM(Data!B3:C8)", {{"A2", "=1"}, {"B5", "=2"}, {"C8", "=3"}, {"B9", "=40"}}, 5},
      {"Data!A8", {{"A2", "=1"}, {"A8", "7"}, {"A9", "=2"}}, 7},
      {"Data!E10*2", {{"E10", "=E11+1"}, {"E11", "=3"}}, 8},
      {"SUM(Data!A1:B1)", {{"A4", "=1"}, {"A1", "5"}}, 5},
      {"SUM(Data!A20:B30)", {{"A4", "=1"}, {"B25", "6"}}, 6},
  };
  for (const Case& c : cases) {
    Workbook book;
    Worksheet& sheet = book.addSheet("TimeSheet");
    Worksheet& data = book.addSheet("Data");
    sheet.cell({1, 1}).formula = parse(std::string("=") + c.reference, Notation::A1, {1, 1});
    for (const auto& [a1, text] : c.data) {
      const CellAddress at = parseA1Range(a1).first;
      if (text[0] == '=')
        data.cell(at).formula = parse(text, Notation::A1, at);
      else
        data.cell(at).value = std::stod(text);
    }
    recalculate(book);
    EXPECT_EQ(sheet.find({1, 1})->value, CellValue(c.expected)) << c.reference;
  }
}

}  // namespace
}  // namespace spreadsheet::formula
