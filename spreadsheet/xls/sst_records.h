#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "spreadsheet/xls/record_io.h"

namespace spreadsheet::xls {

inline constexpr std::uint16_t kSst = 0x00FC;
inline constexpr std::uint16_t kExtSst = 0x00FF;

// The shared string table and its index: SST (continued as needed, each
// continuation of a string's characters repeating the flag byte) and EXTSST.
// `references` is the number of cells that refer to the table.
void writeSst(RecordWriter& out, const std::vector<std::string>& strings, std::uint32_t references);

// The strings of an SST record and its CONTINUE records; rich-text runs and
// phonetic data are skipped.
std::vector<std::string> readSst(const RawRecord& sst, const std::vector<RawRecord>& continuations);

}  // namespace spreadsheet::xls
