#pragma once
#include <cstdint>

#include "spreadsheet/xls/record_io.h"

namespace spreadsheet::xls {

inline constexpr std::uint16_t kProtect = 0x0012;
inline constexpr std::uint16_t kScenProtect = 0x00DD;
inline constexpr std::uint16_t kObjProtect = 0x0063;
inline constexpr std::uint16_t kPassword = 0x0013;

// The protection block of a protected sheet, as the application writes it
// for Protect without arguments: contents, scenarios and drawing objects
// protected, no password. An unprotected sheet carries none of it.
void writeSheetProtection(RecordWriter& out);

// PROTECT, SCENPROTECT or OBJPROTECT: whether that part is protected.
bool readProtectFlag(ByteReader in);
// PASSWORD: the engine keeps no password, so a sheet that has one is refused
// rather than saved again without it.
void readPassword(ByteReader in);

}  // namespace spreadsheet::xls
