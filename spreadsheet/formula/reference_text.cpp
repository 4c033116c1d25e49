#include "spreadsheet/formula/reference_text.h"

#include <cctype>
#include <utility>

#include "spreadsheet/model/error.h"

namespace spreadsheet::formula {
namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isLetter(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) != 0;
}
char upper(char c) {
  return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

[[noreturn]] void badReference(std::string_view text, std::size_t pos) {
  throw Error("There's a problem with this formula: invalid cell reference at character " +
              std::to_string(pos + 1) + " of \"" + std::string(text) + "\".");
}

// Reads up to `maxDigits` digits; returns the number of characters read.
std::size_t readNumber(std::string_view t, std::size_t p, long long& value) {
  std::size_t start = p;
  value = 0;
  while (p < t.size() && isDigit(t[p])) {
    if (value < 100000000) value = value * 10 + (t[p] - '0');
    ++p;
  }
  return p - start;
}

// One end of a reference: either part may be absent (whole rows or columns).
struct Part {
  bool hasRow = false, hasColumn = false;
  bool rowRelative = false, columnRelative = false;
  long long row = 0, column = 0;  // absolute number or relative offset
  std::size_t length = 0;
  bool sameShape(const Part& o) const { return hasRow == o.hasRow && hasColumn == o.hasColumn; }
};

// "$A$1", "A1", "A" (column only) or "$1" (row only).
std::optional<Part> readA1Part(std::string_view t, std::size_t pos) {
  Part part;
  std::size_t p = pos;
  bool dollar = p < t.size() && t[p] == '$';
  if (dollar) ++p;
  std::size_t lettersStart = p;
  while (p < t.size() && isLetter(t[p])) ++p;
  std::size_t letters = p - lettersStart;
  if (letters > 0) {
    if (letters > 3) return std::nullopt;
    long long column = 0;
    for (std::size_t i = lettersStart; i < p; ++i) column = column * 26 + (upper(t[i]) - 'A' + 1);
    if (column > kMaxColumns) return std::nullopt;
    part.hasColumn = true;
    part.column = column;
    part.columnRelative = !dollar;
    dollar = p < t.size() && t[p] == '$';
    if (dollar) ++p;
  }
  long long row = 0;
  std::size_t digits = readNumber(t, p, row);
  if (digits > 0) {
    part.hasRow = true;
    part.row = digits > 8 ? kMaxRows + 1LL : row;
    part.rowRelative = !dollar;
    p += digits;
  } else if (dollar) {
    return std::nullopt;  // a '$' that governs nothing
  }
  if (!part.hasRow && !part.hasColumn) return std::nullopt;
  part.length = p - pos;
  return part;
}

// "R", "R5", "R[-1]" then "C", "C18", "C[2]", either one optional.
std::optional<Part> readR1C1Part(std::string_view t, std::size_t pos) {
  Part part;
  std::size_t p = pos;
  auto axis = [&](char letter, bool& has, bool& relative, long long& value) {
    if (p >= t.size() || upper(t[p]) != letter) return;
    has = true;
    ++p;
    if (p < t.size() && t[p] == '[') {
      std::size_t q = p + 1;
      bool negative = false;
      if (q < t.size() && (t[q] == '-' || t[q] == '+')) negative = t[q++] == '-';
      std::size_t digits = readNumber(t, q, value);
      if (digits == 0 || q + digits >= t.size() || t[q + digits] != ']') badReference(t, pos);
      if (digits > 8) value = kMaxRows + kMaxColumns;
      if (negative) value = -value;
      relative = true;
      p = q + digits + 1;
    } else {
      std::size_t digits = readNumber(t, p, value);
      relative = digits == 0;
      if (digits > 8) value = kMaxRows + 1LL;
      p += digits;
    }
  };
  axis('R', part.hasRow, part.rowRelative, part.row);
  axis('C', part.hasColumn, part.columnRelative, part.column);
  if (!part.hasRow && !part.hasColumn) return std::nullopt;
  part.length = p - pos;
  return part;
}

// Turns the parts' numbers into cells of the sheet; `last` fills the axis a
// whole-row or whole-column reference leaves out.
FormulaRef resolve(const Part& part, Notation n, CellAddress at, bool last, std::string_view t,
                   std::size_t pos) {
  FormulaRef ref;
  auto one = [&](bool has, bool relative, long long value, int own, int max, int& out,
                 bool& outRelative) {
    if (!has) {
      out = last ? max : 1;
      outRelative = false;
      return;
    }
    long long target = (relative && n == Notation::R1C1) ? own + value : value;
    if (target < 1 || target > max) badReference(t, pos);
    out = static_cast<int>(target);
    outRelative = relative;
  };
  one(part.hasRow, part.rowRelative, part.row, at.row, kMaxRows, ref.row, ref.rowRelative);
  one(part.hasColumn, part.columnRelative, part.column, at.column, kMaxColumns, ref.column,
      ref.columnRelative);
  return ref;
}

bool endsReference(std::string_view t, std::size_t p) {
  return p >= t.size() || (!isNameChar(t[p]) && t[p] != '(' && t[p] != '[' && t[p] != '$');
}

std::string writeRow(const FormulaRef& r, Notation n, CellAddress at) {
  if (n == Notation::A1) return (r.rowRelative ? "" : "$") + std::to_string(r.row);
  if (!r.rowRelative) return "R" + std::to_string(r.row);
  int offset = r.row - at.row;
  return offset == 0 ? "R" : "R[" + std::to_string(offset) + "]";
}

std::string writeColumn(const FormulaRef& r, Notation n, CellAddress at) {
  if (n == Notation::A1) return (r.columnRelative ? "" : "$") + ColumnLetters(r.column);
  if (!r.columnRelative) return "C" + std::to_string(r.column);
  int offset = r.column - at.column;
  return offset == 0 ? "C" : "C[" + std::to_string(offset) + "]";
}

std::string writeCell(const FormulaRef& r, Notation n, CellAddress at) {
  if (n == Notation::R1C1) return writeRow(r, n, at) + writeColumn(r, n, at);
  return writeColumn(r, n, at) + writeRow(r, n, at);
}

}  // namespace

bool isNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '.' || c == '\\' ||
         c == '?' || static_cast<unsigned char>(c) >= 0x80;
}

std::optional<ReadReference> readReference(std::string_view text, std::size_t pos, Notation n,
                                           CellAddress at) {
  auto readPart = [&](std::size_t p) {
    return n == Notation::A1 ? readA1Part(text, p) : readR1C1Part(text, p);
  };
  std::optional<Part> first = readPart(pos);
  if (!first) return std::nullopt;
  std::size_t end = pos + first->length;
  std::optional<Part> second;
  if (end < text.size() && text[end] == ':') {
    second = readPart(end + 1);
    if (second && !second->sameShape(*first)) second.reset();
    if (second) end += 1 + second->length;
  }
  bool isCell = first->hasRow && first->hasColumn;
  // In A1 a lone row number or column letters are a number or a name.
  if (!endsReference(text, end) || (!second && !isCell && n == Notation::A1)) return std::nullopt;

  ReadReference out;
  out.length = end - pos;
  out.first = resolve(*first, n, at, false, text, pos);
  out.last = resolve(second ? *second : *first, n, at, true, text, pos);
  out.area = second.has_value() || !isCell;
  if (out.first.row > out.last.row) {
    std::swap(out.first.row, out.last.row);
    std::swap(out.first.rowRelative, out.last.rowRelative);
  }
  if (out.first.column > out.last.column) {
    std::swap(out.first.column, out.last.column);
    std::swap(out.first.columnRelative, out.last.columnRelative);
  }
  return out;
}

std::string writeReference(const FormulaNode& node, Notation n, CellAddress at) {
  const FormulaRef& a = node.first;
  const FormulaRef& b = node.last;
  if (node.kind == FormulaKind::Cell) return writeCell(a, n, at);
  bool wholeRows =
      a.column == 1 && b.column == kMaxColumns && !a.columnRelative && !b.columnRelative;
  bool wholeColumns = a.row == 1 && b.row == kMaxRows && !a.rowRelative && !b.rowRelative;
  if (wholeRows) {
    std::string lo = writeRow(a, n, at), hi = writeRow(b, n, at);
    return n == Notation::R1C1 && lo == hi ? lo : lo + ":" + hi;
  }
  if (wholeColumns) {
    std::string lo = writeColumn(a, n, at), hi = writeColumn(b, n, at);
    return n == Notation::R1C1 && lo == hi ? lo : lo + ":" + hi;
  }
  return writeCell(a, n, at) + ":" + writeCell(b, n, at);
}

bool readsAsReference(std::string_view word) {
  for (Notation n : {Notation::A1, Notation::R1C1}) {
    try {
      auto ref = readReference(word, 0, n, {1, 1});
      if (ref && ref->length == word.size()) return true;
    } catch (const Error&) {
      return true;
    }
  }
  return false;
}

std::string quoteSheetName(const std::string& name) {
  bool plain = !name.empty() && (isLetter(name[0]) || name[0] == '_');
  for (char c : name)
    plain = plain && (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.');
  plain = plain && !readsAsReference(name);
  if (plain) return name;
  std::string out = "'";
  for (char c : name) {
    out += c;
    if (c == '\'') out += '\'';
  }
  return out + "'";
}

}  // namespace spreadsheet::formula
