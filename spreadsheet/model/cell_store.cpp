#include "spreadsheet/model/cell_store.h"

#include <algorithm>

namespace spreadsheet {

namespace {

// Row numbers are unique and ascending, so the line of row r lies at most
// r - (first row) places in; where the rows from the first on are all
// stored (the top of a sheet mostly is) that place holds it.
template <typename Lines>
auto firstLineFrom(Lines& lines, int row) {
  const auto below = [](const CellStore::Line& l, int r) { return l.index < r; };
  if (lines.empty() || row <= lines.front().index) return lines.begin();
  if (row > lines.back().index) return lines.end();
  const auto places = static_cast<std::size_t>(row - lines.front().index);
  if (places >= lines.size()) return std::lower_bound(lines.begin(), lines.end(), row, below);
  const auto guess = lines.begin() + static_cast<std::ptrdiff_t>(places);
  if (guess->index == row) return guess;
  return std::lower_bound(lines.begin(), guess, row, below);
}

}  // namespace

std::vector<CellStore::Line>::iterator CellStore::lineAt(int row) {
  return firstLineFrom(lines_, row);
}

std::vector<CellStore::Line>::const_iterator CellStore::lineAt(int row) const {
  return firstLineFrom(lines_, row);
}

std::vector<CellStore::Line>::iterator CellStore::addLine(std::vector<Line>::iterator at, int row) {
  return lines_.insert(at, Line{row, Row(pool_.get())});
}

CellStore::iterator CellStore::begin() {
  return {&lines_, 0, lines_.empty() ? Row::iterator{} : lines_.front().cells.begin()};
}

CellStore::iterator CellStore::end() {
  return {&lines_, lines_.size(), {}};
}

CellStore::const_iterator CellStore::begin() const {
  return {&lines_, 0, lines_.empty() ? Row::const_iterator{} : lines_.front().cells.begin()};
}

CellStore::const_iterator CellStore::end() const {
  return {&lines_, lines_.size(), {}};
}

bool CellStore::empty() const {
  return begin() == end();
}

std::size_t CellStore::size() const {
  std::size_t n = 0;
  for (const Line& l : lines_) n += l.cells.size();
  return n;
}

Cell* CellStore::get(CellAddress a) {
  return const_cast<Cell*>(std::as_const(*this).get(a));
}

const Cell* CellStore::get(CellAddress a) const {
  auto line = lineAt(a.row);
  if (line == lines_.end() || line->index != a.row) return nullptr;
  auto cell = line->cells.find(a.column);
  return cell == line->cells.end() ? nullptr : &cell->second;
}

CellStore::iterator CellStore::find(CellAddress a) {
  auto line = lineAt(a.row);
  if (line == lines_.end() || line->index != a.row) return end();
  auto cell = line->cells.find(a.column);
  if (cell == line->cells.end()) return end();
  return {&lines_, static_cast<std::size_t>(line - lines_.begin()), cell};
}

CellStore::const_iterator CellStore::find(CellAddress a) const {
  auto line = lineAt(a.row);
  if (line == lines_.end() || line->index != a.row) return end();
  auto cell = line->cells.find(a.column);
  if (cell == line->cells.end()) return end();
  return {&lines_, static_cast<std::size_t>(line - lines_.begin()), cell};
}

CellStore::iterator CellStore::lower_bound(CellAddress a) {
  auto line = lineAt(a.row);
  if (line == lines_.end()) return end();
  auto cell = line->index == a.row ? line->cells.lower_bound(a.column) : line->cells.begin();
  return {&lines_, static_cast<std::size_t>(line - lines_.begin()), cell};
}

CellStore::const_iterator CellStore::lower_bound(CellAddress a) const {
  auto line = lineAt(a.row);
  if (line == lines_.end()) return end();
  auto cell = line->index == a.row ? line->cells.lower_bound(a.column) : line->cells.begin();
  return {&lines_, static_cast<std::size_t>(line - lines_.begin()), cell};
}

Cell& CellStore::operator[](CellAddress a) {
  auto line = lineAt(a.row);
  if (line == lines_.end() || line->index != a.row) line = addLine(line, a.row);
  return line->cells[a.column];
}

std::size_t CellStore::erase(CellAddress a) {
  auto line = lineAt(a.row);
  if (line == lines_.end() || line->index != a.row) return 0;
  const std::size_t erased = line->cells.erase(a.column);
  if (line->cells.empty()) lines_.erase(line);
  return erased;
}

// Spans made from a pointer and a count: not every library has the
// iterator-pair constructor yet (the web build's).
std::span<CellStore::Line> CellStore::rows(int first, int last) {
  const auto from = lineAt(first);
  return {lines_.data() + (from - lines_.begin()),
          static_cast<std::size_t>(lineAt(last + 1) - from)};
}

std::span<const CellStore::Line> CellStore::rows(int first, int last) const {
  const auto from = lineAt(first);
  return {lines_.data() + (from - lines_.begin()),
          static_cast<std::size_t>(lineAt(last + 1) - from)};
}

CellStore::Row::node_type CellStore::extract(CellAddress a) {
  auto line = lineAt(a.row);
  if (line == lines_.end() || line->index != a.row) return {};
  return line->cells.extract(a.column);
}

void CellStore::insert(CellAddress a, Row::node_type cell) {
  if (!cell) return;
  auto line = lineAt(a.row);
  if (line == lines_.end() || line->index != a.row) line = addLine(line, a.row);
  cell.key() = a.column;
  line->cells.insert(std::move(cell));
}

void CellStore::dropEmptyRows() {
  std::erase_if(lines_, [](const Line& l) { return l.cells.empty(); });
}

void CellStore::eraseRows(int first, int last) {
  lines_.erase(lineAt(first), lineAt(last + 1));
}

void CellStore::renumberRows(int from, int by) {
  for (auto line = lineAt(from); line != lines_.end(); ++line) line->index += by;
}

}  // namespace spreadsheet
