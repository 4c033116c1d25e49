#pragma once
#include <string>

namespace spreadsheet::ods {

// A length in points as the document writes it: "12.75pt".
std::string points(double value);

// Screen pixels (96 a inch) as a length: 4 px -> "3pt".
std::string pixelLength(long long pixels);

}  // namespace spreadsheet::ods
