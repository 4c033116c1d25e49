#pragma once
#include <cstdint>
#include <vector>

#include "spreadsheet/model/workbook.h"

namespace spreadsheet::xlsx {

// What the library cannot set on a button, put into the package's button
// drawings afterwards: each caption in its button's font (the library writes
// Calibri 11 always) and each shape's place in points from the model's pixel
// box (the library rounds row heights down to pixels and so places buttons
// too high). Throws spreadsheet::Error when the drawings do not hold the
// buttons as the library writes them.
std::vector<std::uint8_t> finishButtonDrawings(const std::vector<std::uint8_t>& package,
                                               const Workbook& book);

}  // namespace spreadsheet::xlsx
