#include "spreadsheet/ods/number_style.h"

#include <QString>
#include <charconv>
#include <map>
#include <optional>
#include <string_view>
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

// The language of a "[$-409]" locale prefix, as the document names languages.
struct Language {
  const char* language;
  const char* country;
};

std::optional<Language> languageOf(std::string_view code) {
  static const std::map<unsigned, Language> kLanguages = {
      {0x0407, {"de", "DE"}}, {0x0409, {"en", "US"}}, {0x040A, {"es", "ES"}},
      {0x040C, {"fr", "FR"}}, {0x0410, {"it", "IT"}}, {0x0413, {"nl", "NL"}},
      {0x0415, {"pl", "PL"}}, {0x0416, {"pt", "BR"}}, {0x0419, {"ru", "RU"}},
      {0x0809, {"en", "GB"}}, {0x0816, {"pt", "PT"}}, {0x0C0A, {"es", "ES"}}};
  const std::size_t open = code.find("[$");
  const std::size_t close = code.find(']', open);
  if (open == std::string_view::npos || close == std::string_view::npos) return std::nullopt;
  const std::size_t dash = code.find('-', open);
  if (dash == std::string_view::npos || dash > close) return std::nullopt;
  unsigned id = 0;
  const auto [end, error] = std::from_chars(code.data() + dash + 1, code.data() + close, id, 16);
  if (error != std::errc() || end != code.data() + close) return std::nullopt;
  const auto it = kLanguages.find(id & 0xFFFF);  // higher bits pick calendars and digits
  if (it == kLanguages.end()) return std::nullopt;
  return it->second;
}

using Maps = std::vector<std::pair<QString, QString>>;

void startStyle(QXmlStreamWriter& xml, const char* element, const QString& name,
                const std::optional<Language>& language) {
  xml.writeStartElement(kNumber, element);
  xml.writeAttribute(kStyle, "name", name);
  if (language) {
    xml.writeAttribute(kNumber, "language", language->language);
    xml.writeAttribute(kNumber, "country", language->country);
  }
}

void endStyle(QXmlStreamWriter& xml, const Maps& maps) {
  for (const auto& [condition, target] : maps) {
    xml.writeStartElement(kStyle, "map");
    xml.writeAttribute(kStyle, "condition", condition);
    xml.writeAttribute(kStyle, "apply-style-name", target);
    xml.writeEndElement();
  }
  xml.writeEndElement();
}

void sectionStyle(QXmlStreamWriter& xml, const QString& name, const Section& s,
                  const std::optional<Language>& language, const Maps& maps,
                  bool zeroSection = false) {
  const char* element = s.dateTime      ? (hasDate(s) ? "date-style" : "time-style")
                        : hasPercent(s) ? "percentage-style"
                                        : "number-style";
  startStyle(xml, element, name, language);
  if (s.dateTime && hasElapsed(s)) xml.writeAttribute(kNumber, "truncate-on-overflow", "false");
  if (s.dateTime)
    dateTimeSectionBody(xml, s);
  else
    numericSectionBody(xml, s, zeroSection);
  endStyle(xml, maps);
}

// The text section ('@') as the main style: text shows through it, and every
// number goes to the numeric sections by the maps.
void textStyle(QXmlStreamWriter& xml, const QString& name, const Section& s,
               const std::optional<Language>& language, const Maps& maps) {
  startStyle(xml, "text-style", name, language);
  for (const Token& t : s.tokens) {
    if (t.kind == TokenKind::Literal) literal(xml, t.text);
    if (t.kind == TokenKind::Text) xml.writeEmptyElement(kNumber, "text-content");
  }
  endStyle(xml, maps);
}

}  // namespace

bool writeNumberStyle(QXmlStreamWriter& xml, const std::string& name, const std::string& code) {
  const format::FormatCode& parsed = format::cachedFormatCode(code);
  if (parsed.general) return false;
  std::vector<const Section*> numeric;
  const Section* text = nullptr;
  for (const Section& s : parsed.sections) {
    if (!s.text || s.digits || s.dateTime)
      numeric.push_back(&s);
    else if (!text)
      text = &s;
  }
  if (numeric.empty()) return false;
  const std::optional<Language> language = languageOf(code);
  const QString main = q(name);
  // The application's section order: positive;negative;zero. Without a text
  // section the last one given is the main style and the others are picked
  // by conditions; with one, the text section is the main style and every
  // numeric section is picked by a condition (the first catching all numbers).
  static const char* const kOne[] = {"value()<=1.7976931348623157E+308"};
  static const char* const kTwo[] = {"value()>=0", "value()<0"};
  static const char* const kThree[] = {"value()>0", "value()<0", "value()=0"};
  const std::size_t count = std::min<std::size_t>(numeric.size(), 3);
  const std::size_t parts = text ? count : count - 1;
  const char* const* conditions = count == 1 ? kOne : count == 2 ? kTwo : kThree;
  Maps maps;
  for (std::size_t i = 0; i < parts; ++i) {
    const QString part = main + "P" + QString::number(i);
    sectionStyle(xml, part, *numeric[i], language, {}, i == 2);
    maps.emplace_back(conditions[i], part);
  }
  if (text)
    textStyle(xml, main, *text, language, maps);
  else
    sectionStyle(xml, main, *numeric[count - 1], language, maps, count == 3);
  return true;
}

}  // namespace spreadsheet::ods
