#include "spreadsheet/format/general_number.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "spreadsheet/format/decimal_digits.h"

namespace spreadsheet::format {

namespace {

// Plain decimal notation of up to 15 significant digits ("0.00001", "1234.5").
std::string fixedText(const Decimal& d) {
  std::string text;
  if (d.exponent <= 0) {
    text = "0." + std::string(static_cast<std::size_t>(-d.exponent), '0') + d.digits;
  } else if (d.exponent >= static_cast<int>(d.digits.size())) {
    text = d.digits + std::string(d.exponent - d.digits.size(), '0');
  } else {
    text = d.digits.substr(0, d.exponent) + "." + d.digits.substr(d.exponent);
  }
  return text;
}

// Scientific notation with up to six significant digits ("1.23457E+11").
std::string scientificText(const Decimal& full) {
  Decimal d = roundSignificant(full, 6);
  std::string text(1, d.digits[0]);
  if (d.digits.size() > 1) text += "." + d.digits.substr(1);
  int exponent = d.exponent - 1;
  char buf[16];
  std::snprintf(buf, sizeof buf, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return text + buf;
}

}  // namespace

std::string generalNumberText(double n) {
  if (!std::isfinite(n)) return "#NUM!";
  if (n == 0) return "0";
  double magnitude = std::fabs(n);
  Decimal d = toDecimal(n);
  std::string sign = n < 0 ? "-" : "";
  if (magnitude >= 1e-9 && magnitude < 1e11) return sign + fixedText(d);
  return sign + scientificText(d);
}

}  // namespace spreadsheet::format
