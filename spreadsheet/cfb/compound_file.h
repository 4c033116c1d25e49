#pragma once
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace spreadsheet::cfb {

// Streams of a compound file by path: "Workbook", "_VBA_PROJECT_CUR/VBA/dir".
using StreamMap = std::map<std::string, std::vector<std::uint8_t>>;

// The compound file holding `streams`; storages are made for every folder of
// a path. Equal maps give equal bytes. Error on a path that cannot be stored
// (an empty part, a name over 31 bytes, text that is not UTF-8).
std::vector<std::uint8_t> writeCompoundFile(const StreamMap& streams);

// Every stream of a compound file by path. Error when the bytes are not a
// compound file or a stream cannot be read.
StreamMap readCompoundFile(std::span<const std::uint8_t> bytes);

}  // namespace spreadsheet::cfb
