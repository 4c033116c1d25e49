#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "spreadsheet/formula/formula.h"

namespace spreadsheet::formula {

// A cell or area reference read from formula text (without sheet qualifier).
struct ReadReference {
  bool area = false;
  FormulaRef first;
  FormulaRef last;
  std::size_t length = 0;  // characters consumed
};

// Reads a reference at text[pos]: cells, areas, whole rows and whole columns
// in A1 ("$B$7", "A1:C3", "A:A", "11:12") or R1C1 ("RC[-1]", "R4C18", "R[-1]",
// "C3:C5"). Relative parts are resolved against `at`. Returns nullopt when the
// text there is not a reference (a name or function); throws Error when it is
// a reference that names no cell of the sheet (A0, R0C1, an offset off the
// sheet).
std::optional<ReadReference> readReference(std::string_view text, std::size_t pos, Notation n,
                                           CellAddress at);

// The reference part of a Cell or Area node, as it reads in the cell `at`.
std::string writeReference(const FormulaNode& node, Notation n, CellAddress at);

// A sheet name as a formula qualifies a reference with it: plain when it is a
// simple word, otherwise in single quotes with inner quotes doubled.
std::string quoteSheetName(const std::string& name);

// Whether a word would be read as a reference in either notation (or is a
// reference outside the sheet, such as "A0"); such a word can be neither a
// name nor a plain sheet name.
bool readsAsReference(std::string_view word);

// Characters that may continue a name or a reference.
bool isNameChar(char c);

}  // namespace spreadsheet::formula
