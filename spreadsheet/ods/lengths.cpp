#include "spreadsheet/ods/lengths.h"

#include <cstdio>

#include "spreadsheet/model/units.h"

namespace spreadsheet::ods {

std::string points(double value) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.4f", value);
  std::string text = buffer;
  // Four decimals at most, without trailing zeros or a bare point.
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text + "pt";
}

std::string pixelLength(long long pixels) {
  return points(PixelsToPoints(static_cast<double>(pixels)));
}

}  // namespace spreadsheet::ods
