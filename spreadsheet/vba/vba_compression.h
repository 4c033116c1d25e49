#pragma once
#include <cstdint>
#include <span>
#include <vector>

namespace spreadsheet::vba {

// The run-length container that macro projects use for the dir stream and
// for module source: a signature byte, then chunks of at most 4096 bytes of
// data, each either token-compressed with back-references or stored raw.
std::vector<std::uint8_t> compressContainer(std::span<const std::uint8_t> data);

// Inverse of compressContainer for any well-formed container; throws
// spreadsheet::Error naming the offset of the first malformed byte.
std::vector<std::uint8_t> decompressContainer(std::span<const std::uint8_t> container);

}  // namespace spreadsheet::vba
