#include "spreadsheet/format/general_number.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "spreadsheet/format/decimal_digits.h"
#include "spreadsheet/model/value.h"

namespace spreadsheet::format {

std::string generalNumberText(double n) {
  double magnitude = std::fabs(n);
  if (!std::isfinite(n) || n == 0 || (magnitude >= 1e-9 && magnitude < 1e11))
    return numberToText(n);
  Decimal d = roundSignificant(toDecimal(n), 6);
  std::string text = n < 0 ? "-" : "";
  text += d.digits[0];
  if (d.digits.size() > 1) text += "." + d.digits.substr(1);
  int exponent = d.exponent - 1;
  char buf[16];
  std::snprintf(buf, sizeof buf, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return text + buf;
}

}  // namespace spreadsheet::format
