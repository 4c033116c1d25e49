#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <string>

#include "spreadsheet/model/error.h"

namespace spreadsheet::pdf {

// Big-endian reads from a font's table that refuse to go past its end: a
// damaged font gives spreadsheet::Error naming the table, never a bad read.
[[noreturn]] inline void damagedTable(const char* table) {
  throw Error(std::string("The font cannot be embedded: its table '") + table +
              "' is missing or damaged.");
}

inline std::uint32_t readU16(const QByteArray& data, qsizetype at, const char* table) {
  if (at < 0 || at + 2 > data.size()) damagedTable(table);
  // Through a view of its own size: GCC cannot see the check above through
  // QByteArray's shared empty array and would warn of reading past it.
  const QByteArrayView bytes(data);
  return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at]) << 8 |
                                    static_cast<unsigned char>(bytes[at + 1]));
}

inline std::uint32_t readU32(const QByteArray& data, qsizetype at, const char* table) {
  return readU16(data, at, table) << 16 | readU16(data, at + 2, table);
}

inline int readS16(const QByteArray& data, qsizetype at, const char* table) {
  return static_cast<std::int16_t>(readU16(data, at, table));
}

}  // namespace spreadsheet::pdf
