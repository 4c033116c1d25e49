#include "spreadsheet/ods/number_style.h"

#include <QString>
#include <vector>

#include "spreadsheet/format/format_code.h"

namespace spreadsheet::ods {

namespace {

using format::Section;
using format::Token;
using format::TokenKind;

const QString kNumber = "urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0";
const QString kStyle = "urn:oasis:names:tc:opendocument:xmlns:style:1.0";

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

bool isDatePart(TokenKind k) {
  return k == TokenKind::Year || k == TokenKind::Month || k == TokenKind::Day;
}

void literal(QXmlStreamWriter& xml, const std::string& text) {
  if (!text.empty()) xml.writeTextElement(kNumber, "text", q(text));
}

// The digits of a numeric section as one number:number element.
struct Digits {
  int integerZeros = 0;
  int decimals = 0;
  int decimalZeros = 0;
  bool grouping = false;
};

Digits digitsOf(const Section& s) {
  Digits d;
  bool afterPoint = false;
  bool seenDigit = false;
  for (const Token& t : s.tokens) {
    if (t.kind == TokenKind::DecimalPoint) afterPoint = true;
    if (t.kind == TokenKind::Comma && seenDigit && !afterPoint) d.grouping = true;
    if (t.kind != TokenKind::Digit) continue;
    seenDigit = true;
    if (afterPoint) {
      ++d.decimals;
      if (t.text == "0") ++d.decimalZeros;
    } else if (t.text == "0") {
      ++d.integerZeros;
    }
  }
  return d;
}

void numberElement(QXmlStreamWriter& xml, const Digits& d) {
  xml.writeStartElement(kNumber, "number");
  xml.writeAttribute(kNumber, "decimal-places", QString::number(d.decimals));
  xml.writeAttribute(kNumber, "min-decimal-places", QString::number(d.decimalZeros));
  xml.writeAttribute(kNumber, "min-integer-digits", QString::number(d.integerZeros));
  if (d.grouping) xml.writeAttribute(kNumber, "grouping", "true");
  xml.writeEndElement();
}

bool isNumberPart(TokenKind k) {
  return k == TokenKind::Digit || k == TokenKind::DecimalPoint || k == TokenKind::Comma;
}

// Only '?' placeholders: the application shows a space for each digit that
// is not there, which is all of them for the zero it stands for.
bool onlySpaceDigits(const Section& s) {
  bool any = false;
  for (const Token& t : s.tokens) {
    if (t.kind == TokenKind::General || (t.kind == TokenKind::Digit && t.text != "?")) return false;
    any = any || t.kind == TokenKind::Digit;
  }
  return any;
}

void numericSectionBody(QXmlStreamWriter& xml, const Section& s, bool zeroSection) {
  if (zeroSection && onlySpaceDigits(s)) {
    std::string text;
    for (const Token& t : s.tokens)
      if (t.kind == TokenKind::Literal || t.kind == TokenKind::Digit)
        text += t.kind == TokenKind::Digit ? " " : t.text;
    literal(xml, text);
    return;
  }
  bool numberWritten = false;
  std::string pending;
  for (const Token& t : s.tokens) {
    if (isNumberPart(t.kind) || t.kind == TokenKind::General) {
      if (numberWritten) continue;
      literal(xml, pending);
      pending.clear();
      numberElement(xml, digitsOf(s));
      numberWritten = true;
    } else if (t.kind == TokenKind::Literal) {
      pending += t.text;
    } else if (t.kind == TokenKind::Percent) {
      pending += "%";
    }
  }
  literal(xml, pending);
}

void dateTimeSectionBody(QXmlStreamWriter& xml, const Section& s) {
  const auto longIf = [&](bool isLong) {
    if (isLong) xml.writeAttribute(kNumber, "style", "long");
  };
  for (const Token& t : s.tokens) {
    switch (t.kind) {
      case TokenKind::Literal:
        literal(xml, t.text);
        break;
      case TokenKind::Year:
        xml.writeStartElement(kNumber, "year");
        longIf(t.width > 2);
        xml.writeEndElement();
        break;
      case TokenKind::Month:
        xml.writeStartElement(kNumber, "month");
        longIf(t.width == 2 || t.width >= 4);
        if (t.width >= 3) xml.writeAttribute(kNumber, "textual", "true");
        xml.writeEndElement();
        break;
      case TokenKind::Day:
        xml.writeStartElement(kNumber, t.width >= 3 ? "day-of-week" : "day");
        longIf(t.width == 2 || t.width >= 4);
        xml.writeEndElement();
        break;
      case TokenKind::Hour:
      case TokenKind::ElapsedHours:
        xml.writeStartElement(kNumber, "hours");
        longIf(t.width >= 2);
        xml.writeEndElement();
        break;
      case TokenKind::Minute:
      case TokenKind::ElapsedMinutes:
        xml.writeStartElement(kNumber, "minutes");
        longIf(t.width >= 2);
        xml.writeEndElement();
        break;
      case TokenKind::Second:
      case TokenKind::ElapsedSeconds:
        xml.writeStartElement(kNumber, "seconds");
        longIf(t.width >= 2);
        xml.writeEndElement();
        break;
      case TokenKind::AmPm:
        xml.writeEmptyElement(kNumber, "am-pm");
        break;
      default:
        break;
    }
  }
}

bool hasPercent(const Section& s) {
  for (const Token& t : s.tokens)
    if (t.kind == TokenKind::Percent) return true;
  return false;
}

bool hasElapsed(const Section& s) {
  for (const Token& t : s.tokens)
    if (t.kind == TokenKind::ElapsedHours || t.kind == TokenKind::ElapsedMinutes ||
        t.kind == TokenKind::ElapsedSeconds)
      return true;
  return false;
}

bool hasDate(const Section& s) {
  for (const Token& t : s.tokens)
    if (isDatePart(t.kind)) return true;
  return false;
}

void sectionStyle(QXmlStreamWriter& xml, const QString& name, const Section& s,
                  const std::vector<std::pair<QString, QString>>& maps, bool zeroSection = false) {
  const char* element = s.dateTime      ? (hasDate(s) ? "date-style" : "time-style")
                        : hasPercent(s) ? "percentage-style"
                                        : "number-style";
  xml.writeStartElement(kNumber, element);
  xml.writeAttribute(kStyle, "name", name);
  if (s.dateTime && hasElapsed(s)) xml.writeAttribute(kNumber, "truncate-on-overflow", "false");
  if (s.dateTime)
    dateTimeSectionBody(xml, s);
  else
    numericSectionBody(xml, s, zeroSection);
  for (const auto& [condition, target] : maps) {
    xml.writeStartElement(kStyle, "map");
    xml.writeAttribute(kStyle, "condition", condition);
    xml.writeAttribute(kStyle, "apply-style-name", target);
    xml.writeEndElement();
  }
  xml.writeEndElement();
}

}  // namespace

bool writeNumberStyle(QXmlStreamWriter& xml, const std::string& name, const std::string& code) {
  const format::FormatCode& parsed = format::cachedFormatCode(code);
  if (parsed.general) return false;
  std::vector<const Section*> numeric;
  for (const Section& s : parsed.sections)
    if (!s.text || s.digits || s.dateTime) numeric.push_back(&s);
  if (numeric.empty()) return false;
  const QString main = q(name);
  // The application's section order: positive;negative;zero. The last one
  // given is the main style, the others are picked by conditions.
  static const char* const kTwo[] = {"value()>=0"};
  static const char* const kThree[] = {"value()>0", "value()<0"};
  std::vector<std::pair<QString, QString>> maps;
  const std::size_t count = std::min<std::size_t>(numeric.size(), 3);
  for (std::size_t i = 0; i + 1 < count; ++i) {
    const QString part = main + "P" + QString::number(i);
    sectionStyle(xml, part, *numeric[i], {});
    maps.emplace_back(count == 2 ? kTwo[i] : kThree[i], part);
  }
  sectionStyle(xml, main, *numeric[count - 1], maps, count == 3);
  return true;
}

}  // namespace spreadsheet::ods
