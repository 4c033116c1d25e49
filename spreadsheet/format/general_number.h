#pragma once
#include <string>

namespace spreadsheet::format {

// A number as General shows it: up to 15 significant digits, and very large
// or very small magnitudes in scientific notation with six significant digits
// ("1E+11", "1.23457E+11", "1E-10").
std::string generalNumberText(double n);

}  // namespace spreadsheet::format
