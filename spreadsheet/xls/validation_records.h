#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "spreadsheet/model/sheet_parts.h"
#include "spreadsheet/xls/formula_tokens.h"
#include "spreadsheet/xls/record_io.h"

namespace spreadsheet::xls {

inline constexpr std::uint16_t kDval = 0x01B2;
inline constexpr std::uint16_t kDv = 0x01BE;

// Heads the DV records of a sheet.
void writeDval(RecordWriter& out, std::size_t count);
std::size_t readDval(ByteReader in);

using CompileFn = std::function<std::vector<std::uint8_t>(const FormulaNode&)>;
// One validation; a list whose formula is a text literal ("a,b,c") is an
// explicit list, anything else (a name, a range) is looked up.
void writeDv(RecordWriter& out, const Validation& v, const CompileFn& compile);
Validation readDv(ByteReader in, const TokenNames& names);

}  // namespace spreadsheet::xls
