#include "spreadsheet/formula/coercion.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace spreadsheet::formula {
namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

int kindRank(const CellValue& v) {
  return v.isNumber() ? 0 : v.isText() ? 1 : 2;
}

}  // namespace

std::optional<double> numberFromText(std::string_view text) {
  std::string_view s = trimmed(text);
  double scale = 1;
  if (!s.empty() && s.back() == '%') {
    scale = 0.01;
    s = trimmed(s.substr(0, s.size() - 1));
  }
  bool negative = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty() || !(std::isdigit(static_cast<unsigned char>(s.front())) || s.front() == '.'))
    return std::nullopt;
  double value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return (negative ? -value : value) * scale;
}

NumberOrError toNumber(const CellValue& v) {
  if (v.isNumber()) return v.number();
  if (v.isEmpty()) return 0.0;
  if (v.isBoolean()) return v.boolean() ? 1.0 : 0.0;
  if (v.isError()) return v.error();
  if (auto n = numberFromText(v.text())) return *n;
  return ErrorCode::Value;
}

std::variant<bool, ErrorCode> toBoolean(const CellValue& v) {
  if (v.isBoolean()) return v.boolean();
  if (v.isNumber()) return v.number() != 0;
  if (v.isEmpty()) return false;
  if (v.isError()) return v.error();
  if (compareText(v.text(), "TRUE") == 0) return true;
  if (compareText(v.text(), "FALSE") == 0) return false;
  return ErrorCode::Value;
}

int compareText(std::string_view a, std::string_view b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    int x = std::tolower(static_cast<unsigned char>(a[i]));
    int y = std::tolower(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int compareValues(const CellValue& a, const CellValue& b) {
  if (a.isEmpty() && b.isEmpty()) return 0;
  if (a.isEmpty() || b.isEmpty()) {
    const CellValue& other = a.isEmpty() ? b : a;
    CellValue zero = other.isNumber() ? CellValue(0.0)
                     : other.isText() ? CellValue(std::string())
                                      : CellValue(false);
    return a.isEmpty() ? compareValues(zero, b) : compareValues(a, zero);
  }
  int ra = kindRank(a), rb = kindRank(b);
  if (ra != rb) return ra < rb ? -1 : 1;
  if (a.isNumber()) return a.number() < b.number() ? -1 : (a.number() > b.number() ? 1 : 0);
  if (a.isText()) return compareText(a.text(), b.text());
  return a.boolean() == b.boolean() ? 0 : (a.boolean() ? 1 : -1);
}

CellValue numberResult(double n) {
  if (std::isnan(n) || std::isinf(n)) return ErrorCode::Num;
  return n == 0 ? 0.0 : n;  // no negative zero
}

}  // namespace spreadsheet::formula
