#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace spreadsheet::xlsx {

// A change to one part of a finished package: its text in, the new text out.
// Throws spreadsheet::Error when the part is not as expected.
using PartRewrite = std::function<std::string(std::string)>;

// The package with each named part rewritten, in memory. A part keeps its
// time stamp; the other parts stay as they are. Throws spreadsheet::Error
// when a part is missing or the zip library fails.
std::vector<std::uint8_t> rewriteParts(
    const std::vector<std::uint8_t>& package,
    const std::vector<std::pair<std::string, PartRewrite>>& parts);

}  // namespace spreadsheet::xlsx
