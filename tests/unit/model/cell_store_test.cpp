#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <string>

#include "spreadsheet/model/cell_store.h"

namespace spreadsheet {
namespace {

std::string listing(const CellStore& store) {
  std::string out;
  for (const auto& [a, cell] : store) out += toA1(a) + "#" + std::to_string(cell.style) + ";";
  return out;
}

// The store reads like a map keyed by address, whatever order cells came in.
TEST(CellStore, ReadsLikeAMapKeyedByAddress) {
  CellStore store;
  std::map<CellAddress, StyleId> expected;
  const CellAddress order[] = {{9, 2}, {1, 5}, {9, 1}, {3, 3}, {1, 1}, {kMaxRows, kMaxColumns}};
  StyleId style = 1;
  for (CellAddress a : order) {
    store[a].style = style;
    expected[a] = style++;
  }
  std::string want;
  for (const auto& [a, s] : expected) want += toA1(a) + "#" + std::to_string(s) + ";";
  EXPECT_EQ(listing(store), want);
  EXPECT_EQ(store.size(), 6u);

  EXPECT_EQ(store.get({3, 3})->style, 4u);
  EXPECT_EQ(store.get({3, 4}), nullptr);
  EXPECT_EQ(store.find({2, 1}), store.end());
  EXPECT_EQ(store.lower_bound({2, 1})->first, (CellAddress{3, 3}));
  EXPECT_EQ(store.lower_bound({9, 2})->first, (CellAddress{9, 2}));
  EXPECT_EQ(store.lower_bound({9, 3})->first, (CellAddress{kMaxRows, kMaxColumns}));
  EXPECT_EQ(std::prev(store.end())->first, (CellAddress{kMaxRows, kMaxColumns}));
  EXPECT_EQ(std::prev(store.lower_bound({9, 1}))->first, (CellAddress{3, 3}));

  EXPECT_EQ(store.erase({1, 1}), 1u);
  EXPECT_EQ(store.erase({1, 1}), 0u);
  EXPECT_EQ(store.erase({3, 3}), 1u);  // its row goes with it
  EXPECT_EQ(listing(store), "E1#2;A9#3;B9#1;XFD1048576#6;");
  EXPECT_FALSE(store.empty());
  EXPECT_TRUE(CellStore().empty());
}

// Renumbering rows keeps every cell where it is in memory.
TEST(CellStore, RowEditsRenumberWithoutMovingCells) {
  CellStore store;
  store[{2, 1}].style = 1;
  store[{5, 1}].style = 2;
  store[{5, 3}].style = 3;
  store[{8, 2}].style = 4;
  const Cell* kept = store.get({5, 3});
  store.renumberRows(5, 10);
  EXPECT_EQ(listing(store), "A2#1;A15#2;C15#3;B18#4;");
  EXPECT_EQ(store.get({15, 3}), kept);
  store.eraseRows(3, 15);
  store.renumberRows(16, -13);
  EXPECT_EQ(listing(store), "A2#1;B5#4;");
}

// Rows left without cells by extract are skipped when reading.
TEST(CellStore, ExtractedCellsGoElsewhereAndEmptyRowsAreSkipped) {
  CellStore store;
  store[{4, 2}].style = 1;
  store[{6, 2}].style = 2;
  store.insert({9, 7}, store.extract({4, 2}));
  store.insert({1, 1}, store.extract({3, 3}));  // nothing stored there: nothing happens
  EXPECT_EQ(listing(store), "B6#2;G9#1;");
  EXPECT_EQ(store.lower_bound({4, 1})->first, (CellAddress{6, 2}));
  EXPECT_EQ(std::prev(store.find({9, 7}))->first, (CellAddress{6, 2}));
  EXPECT_EQ(store.rows(1, 5).size(), 1u);  // row 4, now empty
  store.dropEmptyRows();
  EXPECT_TRUE(store.rows(1, 5).empty());
}

// Lookups where rows run without a gap from the first stored row, where a
// gap breaks the run, and before, between and after the stored rows.
TEST(CellStore, FindsRowsInRunsAcrossGapsAndOutside) {
  CellStore store;
  const int rows[] = {3, 4, 5, 6, 10, 200, 201};
  for (int r : rows) store[{r, 2}].style = static_cast<StyleId>(r);
  for (int r : rows) {
    ASSERT_NE(store.get({r, 2}), nullptr) << r;
    EXPECT_EQ(store.get({r, 2})->style, static_cast<StyleId>(r)) << r;
    EXPECT_EQ(store.get({r, 3}), nullptr) << r;
  }
  for (int r : {1, 2, 7, 9, 11, 199, 202, kMaxRows}) EXPECT_EQ(store.get({r, 2}), nullptr) << r;
  EXPECT_EQ(store.lower_bound({1, 1})->first, (CellAddress{3, 2}));
  EXPECT_EQ(store.lower_bound({7, 1})->first, (CellAddress{10, 2}));
  EXPECT_EQ(store.lower_bound({8, 1})->first, (CellAddress{10, 2}));
  EXPECT_EQ(store.rows(8, 199).size(), 1u);  // 10
  EXPECT_EQ(store.lower_bound({11, 5})->first, (CellAddress{200, 2}));
  EXPECT_EQ(store.lower_bound({201, 3}), store.end());
  EXPECT_EQ(store.rows(5, 199).size(), 3u);  // 5, 6, 10
  EXPECT_EQ(store.rows(7, 9).size(), 0u);
  EXPECT_EQ(store.rows(201, kMaxRows).size(), 1u);
  EXPECT_EQ(store.rows(202, kMaxRows).size(), 0u);
  store[{8, 1}].style = 8;  // fills part of the gap: the run from row 3 stays broken at 7
  EXPECT_EQ(store.get({8, 1})->style, 8u);
  EXPECT_EQ(store.get({10, 2})->style, 10u);
  EXPECT_EQ(store.get({7, 2}), nullptr);
}

}  // namespace
}  // namespace spreadsheet
