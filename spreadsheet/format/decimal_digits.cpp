#include "spreadsheet/format/decimal_digits.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace spreadsheet::format {

namespace {

void trimTrailingZeros(Decimal& d) {
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.exponent = 0;
}

// Keeps the first `kept` digits (kept may be 0 or negative), rounding half
// away from zero on the digit after them.
Decimal roundAt(Decimal d, int kept) {
  if (kept >= static_cast<int>(d.digits.size())) return d;
  if (kept < 0) return Decimal{};
  bool up = d.digits[kept] >= '5';
  d.digits.resize(kept);
  if (up) {
    int k = kept - 1;
    while (k >= 0 && d.digits[k] == '9') d.digits[k--] = '0';
    if (k >= 0) {
      ++d.digits[k];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      ++d.exponent;
    }
  }
  trimTrailingZeros(d);
  return d;
}

}  // namespace

Decimal toDecimal(double value) {
  value = std::fabs(value);
  if (value == 0 || !std::isfinite(value)) return Decimal{};
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", value);  // d.dddddddddddddde±x
  Decimal d;
  d.digits += buf[0];
  d.digits.append(buf + 2, 14);
  d.exponent = std::atoi(buf + 17) + 1;
  trimTrailingZeros(d);
  return d;
}

Decimal shifted(Decimal d, int powerOfTen) {
  if (!d.digits.empty()) d.exponent += powerOfTen;
  return d;
}

Decimal roundSignificant(Decimal d, int count) {
  return roundAt(std::move(d), count);
}

FixedDigits toFixed(const Decimal& value, int decimals) {
  Decimal d = roundAt(value, value.exponent + decimals);
  FixedDigits f;
  auto digitAt = [&d](int idx) {
    return idx >= 0 && idx < static_cast<int>(d.digits.size()) ? d.digits[idx] : '0';
  };
  if (!d.digits.empty())
    for (int idx = 0; idx < d.exponent; ++idx) f.integer += digitAt(idx);
  for (int j = 0; j < decimals; ++j) f.fraction += digitAt(d.exponent + j);
  return f;
}

}  // namespace spreadsheet::format
