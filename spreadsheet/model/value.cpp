#include "spreadsheet/model/value.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace spreadsheet {

std::string_view errorText(ErrorCode e) {
  switch (e) {
    case ErrorCode::Null: return "#NULL!";
    case ErrorCode::Div0: return "#DIV/0!";
    case ErrorCode::Value: return "#VALUE!";
    case ErrorCode::Ref: return "#REF!";
    case ErrorCode::Name: return "#NAME?";
    case ErrorCode::Num: return "#NUM!";
    case ErrorCode::NA: return "#N/A";
  }
  return "#VALUE!";
}

std::optional<ErrorCode> errorFromText(std::string_view s) {
  std::string upper;
  for (char c : s) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (ErrorCode e : {ErrorCode::Null, ErrorCode::Div0, ErrorCode::Value, ErrorCode::Ref,
                      ErrorCode::Name, ErrorCode::Num, ErrorCode::NA}) {
    if (upper == errorText(e)) return e;
  }
  return std::nullopt;
}

std::string numberToText(double n) {
  if (std::isnan(n) || std::isinf(n)) return "#NUM!";
  if (n == 0) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15G", n);
  std::string s = buf;
  // Trim trailing zeros of the mantissa ("0.250000000000000" -> "0.25").
  auto e = s.find('E');
  std::string mantissa = s.substr(0, e);
  std::string exponent = e == std::string::npos ? "" : s.substr(e);
  if (mantissa.find('.') != std::string::npos) {
    while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
    if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
  }
  if (!exponent.empty()) {
    // "E+20" style as the application writes it.
    int ex = std::atoi(exponent.c_str() + 1);
    char eb[16];
    std::snprintf(eb, sizeof eb, "E%c%02d", ex < 0 ? '-' : '+', std::abs(ex));
    exponent = eb;
  }
  return mantissa + exponent;
}

std::string CellValue::toText() const {
  if (isEmpty()) return "";
  if (isNumber()) return numberToText(number());
  if (isText()) return text();
  if (isBoolean()) return boolean() ? "TRUE" : "FALSE";
  return std::string(errorText(error()));
}

}  // namespace spreadsheet
