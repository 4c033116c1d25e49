#pragma once
#include <span>

#include "spreadsheet/cfb/compound_file.h"

namespace spreadsheet::cfb::oracle {

// The compound file libgsf writes for `streams` in memory, 64-byte mini sectors.
std::vector<std::uint8_t> gsfWrite(const StreamMap& streams, unsigned sectorSize = 512);

// Every stream of `bytes` as libgsf reads it.
StreamMap gsfRead(std::span<const std::uint8_t> bytes);

}  // namespace spreadsheet::cfb::oracle
