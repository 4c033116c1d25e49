#pragma once
#include <string>
#include <string_view>

namespace spreadsheet::codec {

// `data` as a zlib stream (RFC 1950/1951) at `level`, 1 (fastest) to 9
// (smallest): the general compressor beside RunDeflater, which is made for
// image rows. Throws spreadsheet::Error when zlib cannot compress (no memory).
std::string zlibStream(std::string_view data, int level);

}  // namespace spreadsheet::codec
