#include "spreadsheet/picture/cell_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "spreadsheet/format/number_format.h"

namespace spreadsheet::picture {

namespace {

ValueKind kindOf(const CellValue& v) {
  if (v.isNumber()) return ValueKind::Number;
  if (v.isText()) return ValueKind::Text;
  if (v.isBoolean()) return ValueKind::Boolean;
  if (v.isError()) return ValueKind::Error;
  return ValueKind::Empty;
}

bool isGeneral(const std::string& code) {
  if (code.size() != 7 && !code.empty()) return false;
  for (std::size_t i = 0; i < code.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(code[i])) != "general"[i]) return false;
  return true;
}

int resolvedAlignment(int horizontal, ValueKind kind) {
  if (horizontal != xl::General) return horizontal;
  switch (kind) {
    case ValueKind::Number:
      return xl::Right;
    case ValueKind::Boolean:
    case ValueKind::Error:
      return xl::Center;
    default:
      return xl::Left;
  }
}

QString hashes(const FontEntry& m, double width) {
  const double w = m.advance(QStringLiteral("#"));
  const int n = w > 0 ? static_cast<int>(std::floor(width / w)) : 0;
  return QString(std::max(n, 0), QLatin1Char('#'));
}

// General's scientific form: "1.23457E+10", trailing zeros of the mantissa dropped.
QString scientific(double v, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*E", decimals, v);
  std::string text(buf);
  const std::size_t e = text.find('E');
  std::string mantissa = text.substr(0, e);
  if (mantissa.find('.') != std::string::npos) {
    while (mantissa.back() == '0') mantissa.pop_back();
    if (mantissa.back() == '.') mantissa.pop_back();
  }
  const int exponent = std::atoi(text.c_str() + e + 1);
  std::snprintf(buf, sizeof buf, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return QString::fromStdString(mantissa + buf);
}

// General shows as many decimals as the width allows, then the scientific
// form, and only then gives up with '#'.
QString shortenGeneral(const CellContent& c, const FontEntry& m, double width) {
  const int dot = static_cast<int>(c.text.indexOf(QLatin1Char('.')));
  if (dot >= 0 && !c.text.contains(QLatin1Char('E'))) {
    for (int decimals = static_cast<int>(c.text.size()) - dot - 2; decimals >= 0; --decimals) {
      const double scale = std::pow(10.0, decimals);
      const QString t = QString::fromStdString(numberToText(std::round(c.number * scale) / scale));
      if (m.advance(t) <= width) return t;
    }
  }
  if (c.number != 0 && std::isfinite(c.number)) {
    for (int decimals = 5; decimals >= 0; --decimals) {
      const QString t = scientific(c.number, decimals);
      if (m.advance(t) <= width) return t;
    }
  }
  return hashes(m, width);
}

}  // namespace

CellContent cellContent(const CellValue& value, const Style& style) {
  CellContent c;
  c.kind = kindOf(value);
  c.horizontal = resolvedAlignment(style.horizontalAlignment, c.kind);
  if (c.kind == ValueKind::Empty) return c;
  c.number = c.kind == ValueKind::Number ? value.number() : 0;
  c.generalFormat = isGeneral(style.numberFormat);
  const format::FormattedValue f = format::formatValue(value, style.numberFormat);
  c.colorIndex = f.colorIndex;
  if (f.fillChar) {
    const std::size_t pos = std::min(f.fillPosition, f.text.size());
    c.fillChar = QChar::fromLatin1(*f.fillChar);
    c.fillPosition =
        static_cast<int>(QString::fromUtf8(f.text.data(), static_cast<qsizetype>(pos)).size());
  }
  c.text = QString::fromStdString(f.text);
  return c;
}

bool mayOverflow(const CellContent& c) {
  return c.kind != ValueKind::Number && !c.fillChar && c.horizontal != xl::Fill;
}

QString fitText(const CellContent& c, const FontEntry& m, double width) {
  QString text = c.text;
  if (c.fillChar) {
    const double rest = width - m.advance(text);
    const double step = m.advance(QString(*c.fillChar));
    const int n = step > 0 && rest > 0 ? static_cast<int>(std::floor(rest / step)) : 0;
    text.insert(c.fillPosition, QString(n, *c.fillChar));
  } else if (c.horizontal == xl::Fill && !text.isEmpty()) {
    const double step = m.advance(text);
    const int n = step > 0 ? std::max(1, static_cast<int>(std::floor(width / step))) : 1;
    text = text.repeated(n);
  }
  if (c.kind == ValueKind::Number && m.advance(text) > width)
    return c.generalFormat ? shortenGeneral(c, m, width) : hashes(m, width);
  return text;
}

}  // namespace spreadsheet::picture
