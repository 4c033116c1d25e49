#pragma once
#include <string>

namespace spreadsheet::format {

// A non-negative number as decimal digits: value = 0.digits × 10^exponent.
// The application keeps 15 significant digits, so rounding for display works
// on those digits and not on the binary value (2.675 shows as 2.68).
struct Decimal {
  std::string digits;  // no leading or trailing zeros; empty for zero
  int exponent = 0;
};

Decimal toDecimal(double value);             // uses |value|
Decimal shifted(Decimal d, int powerOfTen);  // d × 10^powerOfTen
// Rounds half away from zero to `count` significant digits.
Decimal roundSignificant(Decimal d, int count);

// A number rounded half away from zero to a fixed count of decimals.
struct FixedDigits {
  std::string integer;   // no leading zeros; empty when below 1
  std::string fraction;  // exactly `decimals` digits
};
FixedDigits toFixed(const Decimal& d, int decimals);

}  // namespace spreadsheet::format
