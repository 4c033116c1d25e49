#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace spreadsheet::vba {

// The byte scrambling that hides the protection, password and visibility
// values (CMG, DPB, GC) of the PROJECT stream. The key is the byte sum of the
// project's class id text; `seed` picks how many filler bytes precede the data.
// Output is deterministic for a given seed.
std::vector<std::uint8_t> obfuscate(std::span<const std::uint8_t> data, std::string_view projectId,
                                    std::uint8_t seed);

// Recovers the data; throws spreadsheet::Error when the bytes are too short,
// the version is not 2 or the stated length disagrees with what follows.
std::vector<std::uint8_t> deobfuscate(std::span<const std::uint8_t> bytes);

// Upper-case hexadecimal text of bytes, as the PROJECT stream quotes them.
std::string hexText(std::span<const std::uint8_t> bytes);

}  // namespace spreadsheet::vba
