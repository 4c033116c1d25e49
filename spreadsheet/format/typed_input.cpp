#include "spreadsheet/format/typed_input.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "spreadsheet/format/typed_date_time.h"

namespace spreadsheet::format {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view trimSpaces(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// The pieces of a typed number: sign, currency, digits, exponent, percent.
struct NumberText {
  bool negative = false;
  bool currency = false;
  bool grouped = false;
  bool hasDecimals = false;
  bool percent = false;
  bool exponent = false;
  std::string mantissa;  // digits with an optional '.'
  int powerOfTen = 0;
};

// Reads "1,234,567": groups after the first comma must have three digits.
bool readIntegerDigits(std::string_view s, std::size_t& i, NumberText& n) {
  std::size_t start = i;
  std::size_t groupLength = 0;
  bool sawComma = false;
  while (i < s.size() && (isDigit(s[i]) || s[i] == ',')) {
    if (s[i] == ',') {
      if (i == start || (sawComma && groupLength != 3)) return false;
      sawComma = true;
      groupLength = 0;
    } else {
      n.mantissa += s[i];
      ++groupLength;
    }
    ++i;
  }
  if (sawComma && groupLength != 3) return false;
  n.grouped = sawComma;
  return true;
}

bool readExponent(std::string_view s, std::size_t& i, NumberText& n) {
  if (i >= s.size() || (s[i] != 'e' && s[i] != 'E')) return true;
  ++i;
  bool minus = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) minus = s[i++] == '-';
  std::size_t start = i;
  long e = 0;
  while (i < s.size() && isDigit(s[i]) && e < 100000) e = e * 10 + (s[i++] - '0');
  if (i == start) return false;
  n.exponent = true;
  n.powerOfTen += static_cast<int>(minus ? -e : e);
  return true;
}

std::optional<NumberText> scanNumber(std::string_view s) {
  NumberText n;
  if (s.size() >= 2 && s.front() == '(' && s.back() == ')') {
    n.negative = true;
    s = s.substr(1, s.size() - 2);
  }
  std::size_t i = 0;
  auto sign = [&]() {
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
      if (n.negative && s[i] == '-') return false;
      n.negative = s[i++] == '-';
    }
    return true;
  };
  if (!sign()) return std::nullopt;
  if (i < s.size() && s[i] == '$') n.currency = true, ++i;
  if (n.currency && i < s.size() && (s[i] == '+' || s[i] == '-') && !sign()) return std::nullopt;
  if (!readIntegerDigits(s, i, n)) return std::nullopt;
  if (i < s.size() && s[i] == '.') {
    ++i;
    n.mantissa += '.';
    while (i < s.size() && isDigit(s[i])) n.mantissa += s[i++], n.hasDecimals = true;
  }
  if (n.mantissa.find_first_of("0123456789") == std::string::npos) return std::nullopt;
  if (!n.grouped && !readExponent(s, i, n)) return std::nullopt;
  if (i < s.size() && s[i] == '%' && !n.currency) n.percent = true, n.powerOfTen -= 2, ++i;
  if (i != s.size()) return std::nullopt;
  return n;
}

// The application keeps 15 significant digits of what is typed and drops the rest.
void keepFifteenDigits(std::string& mantissa) {
  int significant = 0;
  for (char& c : mantissa) {
    if (!isDigit(c)) continue;
    if (significant > 0 || c != '0') ++significant;
    if (significant > 15) c = '0';
  }
}

std::optional<std::string> assignedFormat(const NumberText& n) {
  if (n.percent) return n.hasDecimals ? "0.00%" : "0%";
  if (n.currency) return n.hasDecimals ? "$#,##0.00_);($#,##0.00)" : "$#,##0_);($#,##0)";
  if (n.exponent) return "0.00E+00";
  if (n.grouped) return n.hasDecimals ? "#,##0.00" : "#,##0";
  return std::nullopt;
}

std::optional<TypedInput> recognizeNumber(std::string_view s) {
  auto n = scanNumber(s);
  if (!n) return std::nullopt;
  keepFifteenDigits(n->mantissa);
  std::string literal = n->mantissa + "e" + std::to_string(n->powerOfTen);
  double value = std::strtod(literal.c_str(), nullptr);
  if (!std::isfinite(value)) return std::nullopt;
  if (n->negative && value != 0) value = -value;
  return TypedInput{CellValue(value), assignedFormat(*n)};
}

// "1 1/2" or "-0 3/16": a whole number, a space and a fraction. (A fraction
// alone, "1/2", reads as a date, which this code does not accept without a year.)
std::optional<TypedInput> recognizeFraction(std::string_view s) {
  bool negative = !s.empty() && s.front() == '-';
  if (negative) s.remove_prefix(1);
  auto readInt = [&s](long long& out, std::size_t maxDigits) {
    std::size_t k = 0;
    out = 0;
    while (k < s.size() && isDigit(s[k]) && k < maxDigits) out = out * 10 + (s[k++] - '0');
    if (k == 0 || (k < s.size() && isDigit(s[k]))) return false;
    s.remove_prefix(k);
    return true;
  };
  long long whole = 0, num = 0, den = 0;
  if (!readInt(whole, 15) || s.empty() || s.front() != ' ') return std::nullopt;
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  if (!readInt(num, 5) || s.empty() || s.front() != '/') return std::nullopt;
  s.remove_prefix(1);
  if (!readInt(den, 5) || !s.empty() || den == 0) return std::nullopt;
  double value = static_cast<double>(whole) + static_cast<double>(num) / static_cast<double>(den);
  std::string format = den < 10 ? "# ?/?" : den < 100 ? "# ?\?/?\?" : "# ?\?\?/?\?\?";
  return TypedInput{CellValue(negative && value != 0 ? -value : value), format};
}

}  // namespace

TypedInput recognizeTypedInput(std::string_view text) {
  if (text.empty()) return TypedInput{};
  const TypedInput asText{CellValue(std::string(text)), std::nullopt};
  std::string_view s = trimSpaces(text);
  if (s.empty()) return asText;
  if (equalsNoCase(s, "TRUE")) return TypedInput{CellValue(true), std::nullopt};
  if (equalsNoCase(s, "FALSE")) return TypedInput{CellValue(false), std::nullopt};
  if (auto e = errorFromText(s)) return TypedInput{CellValue(*e), std::nullopt};
  if (auto n = recognizeNumber(s)) return *n;
  if (auto f = recognizeFraction(s)) return *f;
  if (auto d = recognizeDateTime(s)) return *d;
  return asText;
}

}  // namespace spreadsheet::format
