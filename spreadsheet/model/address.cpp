#include "spreadsheet/model/address.h"

#include <algorithm>
#include <cctype>

#include "spreadsheet/model/error.h"

namespace spreadsheet {

CellRange CellRange::of(int row1, int col1, int row2, int col2) {
  return {{std::min(row1, row2), std::min(col1, col2)},
          {std::max(row1, row2), std::max(col1, col2)}};
}

bool CellRange::contains(CellAddress a) const {
  return a.row >= first.row && a.row <= last.row && a.column >= first.column &&
         a.column <= last.column;
}

bool CellRange::contains(const CellRange& r) const { return contains(r.first) && contains(r.last); }

bool CellRange::intersects(const CellRange& r) const {
  return first.row <= r.last.row && r.first.row <= last.row && first.column <= r.last.column &&
         r.first.column <= last.column;
}

std::string ColumnLetters(int column) {
  if (column < 1 || column > kMaxColumns)
    throw Error("Column number " + std::to_string(column) + " is outside 1 to 16384.");
  std::string letters;
  while (column > 0) {
    int digit = (column - 1) % 26;
    letters.insert(letters.begin(), static_cast<char>('A' + digit));
    column = (column - 1) / 26;
  }
  return letters;
}

int ColumnNumber(std::string_view letters) {
  if (letters.empty() || letters.size() > 3)
    throw Error("\"" + std::string(letters) + "\" is not a column.");
  int n = 0;
  for (char c : letters) {
    if (!std::isalpha(static_cast<unsigned char>(c)))
      throw Error("\"" + std::string(letters) + "\" is not a column.");
    n = n * 26 + (std::toupper(static_cast<unsigned char>(c)) - 'A' + 1);
  }
  if (n > kMaxColumns) throw Error("\"" + std::string(letters) + "\" is not a column.");
  return n;
}

std::string toA1(CellAddress a, bool absoluteRow, bool absoluteColumn) {
  std::string s;
  if (absoluteColumn) s += '$';
  s += ColumnLetters(a.column);
  if (absoluteRow) s += '$';
  s += std::to_string(a.row);
  return s;
}

std::string toA1(const CellRange& r) {
  if (r.isWholeRows() && !r.isWholeColumns())
    return std::to_string(r.first.row) + ":" + std::to_string(r.last.row);
  if (r.isWholeColumns() && !r.isWholeRows())
    return ColumnLetters(r.first.column) + ":" + ColumnLetters(r.last.column);
  if (r.isSingleCell()) return toA1(r.first);
  return toA1(r.first) + ":" + toA1(r.last);
}

namespace {

// One side of a range: "$B$7", "B", "7", with what it names.
struct Part {
  int row = 0;     // 0 when absent
  int column = 0;  // 0 when absent
};

[[noreturn]] void bad(std::string_view whole) {
  throw Error("\"" + std::string(whole) + "\" is not a valid cell reference.");
}

Part parsePart(std::string_view s, std::string_view whole) {
  Part p;
  size_t i = 0;
  if (i < s.size() && s[i] == '$') ++i;
  size_t start = i;
  while (i < s.size() && std::isalpha(static_cast<unsigned char>(s[i]))) ++i;
  if (i > start) {
    if (i - start > 3) bad(whole);
    p.column = ColumnNumber(s.substr(start, i - start));
  } else if (start != 0) {
    // "$7" is a row reference
  }
  if (i < s.size() && s[i] == '$') {
    ++i;
    if (i >= s.size()) bad(whole);
  }
  start = i;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
  if (i != s.size()) bad(whole);
  if (i > start) {
    if (i - start > 7) bad(whole);
    p.row = std::stoi(std::string(s.substr(start, i - start)));
    if (p.row < 1 || p.row > kMaxRows) bad(whole);
  }
  if (p.row == 0 && p.column == 0) bad(whole);
  return p;
}

CellRange parseArea(std::string_view area, std::string_view whole) {
  auto colon = area.find(':');
  if (colon == std::string_view::npos) {
    Part p = parsePart(area, whole);
    if (p.row == 0 || p.column == 0) bad(whole);
    return CellRange::of(CellAddress{p.row, p.column});
  }
  Part a = parsePart(area.substr(0, colon), whole);
  Part b = parsePart(area.substr(colon + 1), whole);
  bool cells = a.row && a.column && b.row && b.column;
  bool rows = a.row && !a.column && b.row && !b.column;
  bool cols = !a.row && a.column && !b.row && b.column;
  if (cells) return CellRange::of(a.row, a.column, b.row, b.column);
  if (rows) return CellRange::of(a.row, 1, b.row, kMaxColumns);
  if (cols) return CellRange::of(1, a.column, kMaxRows, b.column);
  bad(whole);
}

}  // namespace

A1Reference parseA1(std::string_view text) {
  A1Reference ref;
  std::string_view rest = text;
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
  if (rest.empty()) bad(text);
  auto bang = rest.rfind('!');
  if (bang != std::string_view::npos) {
    std::string_view sheet = rest.substr(0, bang);
    if (sheet.size() >= 2 && sheet.front() == '\'' && sheet.back() == '\'') {
      std::string unquoted;
      for (size_t i = 1; i + 1 < sheet.size(); ++i) {
        unquoted += sheet[i];
        if (sheet[i] == '\'' && i + 2 < sheet.size() && sheet[i + 1] == '\'') ++i;
      }
      ref.sheet = unquoted;
    } else {
      ref.sheet = std::string(sheet);
    }
    if (ref.sheet.empty()) bad(text);
    rest = rest.substr(bang + 1);
  }
  size_t start = 0;
  while (true) {
    auto comma = rest.find(',', start);
    std::string_view area = rest.substr(start, comma == std::string_view::npos ? rest.npos : comma - start);
    if (area.empty()) bad(text);
    ref.areas.push_back(parseArea(area, text));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return ref;
}

CellRange parseA1Range(std::string_view text) {
  A1Reference ref = parseA1(text);
  if (ref.areas.size() != 1)
    throw Error("\"" + std::string(text) + "\" names several areas where one is expected.");
  return ref.areas.front();
}

}  // namespace spreadsheet
