#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "spreadsheet/model/formula_tree.h"
#include "spreadsheet/xls/byte_io.h"

namespace spreadsheet::xls {

// Where a formula stands decides the class of a lone reference or name:
// cells want its value, defined names and validations the reference itself.
enum class FormulaPlace { Cell, Name, Validation };

// The workbook around a formula as the compiler needs it.
struct TokenLinks {
  // 1-based index of the NAME record for a name.
  std::function<std::uint32_t(const std::string& name)> nameIndex;
  // EXTERNSHEET entry of a sheet; nullopt when the workbook has no such sheet.
  std::function<std::optional<std::uint16_t>(const std::string& sheet)> sheetXti;
};

// The formula's tokens (without the leading size). Throws Error for what
// the file format cannot hold (an unknown function, text over 255 characters,
// a reference beyond row 65,536 or column 256).
std::vector<std::uint8_t> compileFormula(const FormulaNode& root, FormulaPlace place,
                                         const TokenLinks& links);
// The same, appended to `out`, so that a writer of many formulas reuses one buffer.
void compileFormula(const FormulaNode& root, FormulaPlace place, const TokenLinks& links,
                    ByteWriter& out);

// True for the codes of the seven error values.
bool knownErrorCode(std::uint8_t code);

// The workbook around a formula as the decompiler needs it; nullopt for a
// bad index, which becomes an Error naming the record and offset.
struct TokenNames {
  std::function<std::optional<std::string>(std::uint32_t index)> nameText;
  std::function<std::optional<std::string>(std::uint16_t xti)> sheetName;
};

// Reads `size` bytes of tokens from `in` into a tree of the same shape the
// compiler was given. An empty token list gives a Missing node.
FormulaNode decompileFormula(ByteReader& in, std::size_t size, const TokenNames& names);

}  // namespace spreadsheet::xls
