// One line per edge: a border set from either side, and neighbours brought
// together by moving cells, leave both cells describing the same line.
#include <gtest/gtest.h>

#include "spreadsheet/edit/borders.h"
#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/workbook.h"

namespace spreadsheet {
namespace {

class SharedEdges : public ::testing::Test {
 protected:
  Workbook book;
  Worksheet& sheet = book.addSheet("Sheet1");
  Border slot(const char* a1, int s) {
    return sheet.effectiveStyle(parseA1Range(a1).first).borders[static_cast<std::size_t>(s)];
  }
};

TEST_F(SharedEdges, LaterSettingWinsForBothCells) {
  // C3's right edge grey and medium, then D3's left edge given only a colour:
  // the edge keeps its medium line and takes the new colour on both sides.
  edit::applyBorder(sheet, parseA1Range("C3"), xl::EdgeRight, {xl::Continuous, xl::Medium, 16});
  edit::applyBorder(sheet, parseA1Range("D3"), xl::EdgeLeft, {std::nullopt, std::nullopt, 1});
  const Border want{xl::Continuous, xl::Medium, 1};
  EXPECT_EQ(slot("C3", kRight), want);
  EXPECT_EQ(slot("D3", kLeft), want);

  // Inside lines of an area and its outer edge next to a neighbour.
  edit::applyBorder(sheet, parseA1Range("B5:D6"), xl::InsideHorizontal,
                    {xl::Dash, std::nullopt, std::nullopt});
  EXPECT_EQ(slot("C5", kBottom), slot("C6", kTop));
  EXPECT_EQ(slot("C6", kTop).lineStyle, xl::Dash);
  edit::applyBorder(sheet, parseA1Range("B5:D6"), xl::EdgeBottom, {xl::Continuous, xl::Thin, 3});
  EXPECT_EQ(slot("D6", kBottom), slot("D7", kTop));

  // Clearing from one side clears both.
  edit::applyBorder(sheet, parseA1Range("D3"), xl::EdgeLeft, {xl::LineNone, {}, {}});
  EXPECT_FALSE(slot("C3", kRight).visible());
  EXPECT_FALSE(slot("D3", kLeft).visible());
}

TEST_F(SharedEdges, JoiningKeepsTheLineThatShows) {
  book.palette()[55] = rgb(0x3B, 0x3B, 0x3B);  // index 56
  auto set = [&](const char* a1, int s, Border b) {
    Style st = sheet.effectiveStyle(parseA1Range(a1).first);
    st.borders[static_cast<std::size_t>(s)] = b;
    sheet.cell(parseA1Range(a1).first).style = book.styles().intern(st);
  };
  set("B2", kRight, {xl::Continuous, xl::Thin, 56});  // grey beside black: black
  set("C2", kLeft, {xl::Continuous, xl::Thin, xl::ColorAutomatic});
  set("B4", kBottom, {xl::Continuous, xl::Thin, 1});  // thin beside medium: medium
  set("B5", kTop, {xl::Continuous, xl::Medium, 56});
  set("E2", kRight, {xl::Dot, xl::Thin, 1});  // a line beside none: the line
  edit::joinSharedEdges(sheet, parseA1Range("B2:E5"));
  EXPECT_EQ(slot("B2", kRight), (Border{xl::Continuous, xl::Thin, xl::ColorAutomatic}));
  EXPECT_EQ(slot("C2", kLeft), slot("B2", kRight));
  EXPECT_EQ(slot("B4", kBottom), (Border{xl::Continuous, xl::Medium, 56}));
  EXPECT_EQ(slot("B5", kTop), slot("B4", kBottom));
  EXPECT_EQ(slot("F2", kLeft), (Border{xl::Dot, xl::Thin, 1}));
}

TEST_F(SharedEdges, JoiningReachesCellsFormattedOnlyThroughTheirRowOrColumn) {
  // No cell is stored: the lines come from row and column formats. A row's
  // format wins over a column's, as it does for the cells themselves.
  auto format = [&](Axis axis, int index, int s, Border b) {
    Style st;
    st.borders[static_cast<std::size_t>(s)] = b;
    sheet.line(axis, index).style = book.styles().intern(st);
  };
  const Border thick{xl::Continuous, xl::Thick, 1}, medium{xl::Continuous, xl::Medium, 1},
      dotted{xl::Dot, xl::Thin, 1}, none{};
  format(Axis::Rows, 3, kBottom, thick);
  format(Axis::Rows, 5, kRight, dotted);
  format(Axis::Columns, 4, kRight, medium);
  // Joins the edges of A1:F6 and those on their right and lower sides.
  edit::joinSharedEdges(sheet, parseA1Range("B2:E5"));

  // Row 3's bottom line reaches the cells below it, one column past the area.
  for (const char* a1 : {"A4", "C4", "F4"}) EXPECT_EQ(slot(a1, kTop), thick) << a1;
  EXPECT_EQ(slot("G4", kTop), none);
  EXPECT_EQ(sheet.find(parseA1Range("G4").first), nullptr);

  // Column D's right line reaches column E, except in rows 3 and 5 whose own
  // format has no such line.
  for (const char* a1 : {"E1", "E2", "E4", "E6"}) EXPECT_EQ(slot(a1, kLeft), medium) << a1;
  EXPECT_EQ(slot("E3", kLeft), none);
  EXPECT_EQ(slot("E7", kLeft), none);

  // Row 5's right lines are joined along the whole row of the area: each
  // cell's left side takes the line of its left neighbour, up to G5.
  for (const char* a1 : {"B5", "E5", "G5"}) EXPECT_EQ(slot(a1, kLeft), dotted) << a1;
  EXPECT_EQ(slot("A5", kLeft), none);
  EXPECT_EQ(slot("H5", kLeft), none);
}

// An area of a few columns and one of many columns are joined alike (the
// join reads a narrow area's styles from arrays, a wide one's cell by cell).
TEST_F(SharedEdges, WideAreasJoinAsNarrowOnes) {
  for (int far : {12, 700}) {
    Workbook wb;
    Worksheet& s = wb.addSheet("Sheet1");
    auto set = [&](CellAddress a, int slot, Border b) {
      Style st = s.effectiveStyle(a);
      st.borders[static_cast<std::size_t>(slot)] = b;
      s.cell(a).style = wb.styles().intern(st);
    };
    auto shown = [&](CellAddress a, int slot) {
      return s.effectiveStyle(a).borders[static_cast<std::size_t>(slot)];
    };
    const Border thin{xl::Continuous, xl::Thin, 1}, medium{xl::Continuous, xl::Medium, 1},
        dotted{xl::Dot, xl::Thin, 1};
    set({2, 2}, kRight, thin);
    set({2, far}, kBottom, medium);
    Style left;
    left.borders[kLeft] = dotted;
    s.line(Axis::Columns, far + 1).style = wb.styles().intern(left);
    // Rows 1 to 4 and columns 1 to far + 1 have their edges joined.
    edit::joinSharedEdges(s, CellRange::of(2, 2, 3, far));
    EXPECT_EQ(shown({2, 3}, kLeft), thin) << far;
    EXPECT_EQ(shown({3, far}, kTop), medium) << far;
    for (int r = 1; r <= 4; ++r) EXPECT_EQ(shown({r, far}, kRight), dotted) << far << " " << r;
    EXPECT_EQ(s.find({5, far}), nullptr) << far;
    EXPECT_EQ(shown({2, far - 1}, kRight), Border{}) << far;
  }
}

}  // namespace
}  // namespace spreadsheet
