#include "spreadsheet/model/address.h"

#include <gtest/gtest.h>

#include "spreadsheet/model/error.h"

namespace spreadsheet {
namespace {

TEST(ColumnLetters, MatchesTheApplicationsLettering) {
  const std::pair<int, const char*> cases[] = {{1, "A"},    {5, "E"},    {26, "Z"},   {27, "AA"},
                                               {50, "AX"},  {52, "AZ"},  {53, "BA"},  {55, "BC"},
                                               {702, "ZZ"}, {703, "AAA"}, {16384, "XFD"}};
  for (auto [n, letters] : cases) {
    EXPECT_EQ(ColumnLetters(n), letters) << n;
    EXPECT_EQ(ColumnNumber(letters), n) << letters;
  }
  EXPECT_THROW(ColumnLetters(0), Error);
  EXPECT_THROW(ColumnLetters(16385), Error);
  EXPECT_THROW(ColumnNumber("XFE"), Error);
}

TEST(ParseA1, AcceptsEveryFormTheLayoutUses) {
  EXPECT_EQ(parseA1Range("E11"), CellRange::of(11, 5, 11, 5));
  EXPECT_EQ(parseA1Range("$A$1:$U$26"), CellRange::of(1, 1, 26, 21));
  EXPECT_EQ(parseA1Range("11:12"), CellRange::of(11, 1, 12, kMaxColumns));
  EXPECT_EQ(parseA1Range("A:A"), CellRange::of(1, 1, kMaxRows, 1));
  EXPECT_EQ(parseA1Range("S4:R4"), CellRange::of(4, 18, 4, 19));

  A1Reference multi = parseA1("C11:R21,E9:R10,S14:U21");
  ASSERT_EQ(multi.areas.size(), 3u);
  EXPECT_EQ(multi.areas[2], CellRange::of(14, 19, 21, 21));

  A1Reference qualified = parseA1("'Time Sheet'!B2");
  EXPECT_EQ(qualified.sheet, "Time Sheet");
  EXPECT_EQ(qualified.areas[0], CellRange::of(2, 2, 2, 2));
}

TEST(ParseA1, RefusesMalformedText) {
  for (const char* bad : {"A0", "ZZZZ1", "", "B2:", ":B2", "A1,,B2", "1A", "A1048577", "A$", "!A1"})
    EXPECT_THROW(parseA1(bad), Error) << bad;
  EXPECT_THROW(parseA1Range("A1,B2"), Error);
}

TEST(ToA1, PrintsRangesTheWayTheyParse) {
  for (const char* text : {"E11", "B8:V22", "11:12", "A:A", "AC201:AC295"})
    EXPECT_EQ(toA1(parseA1Range(text)), text);
  EXPECT_EQ(toA1(CellAddress{26, 21}, true, true), "$U$26");
}

}  // namespace
}  // namespace spreadsheet
