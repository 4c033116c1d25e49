#include "spreadsheet/ods/number_style.h"

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

bool isDatePart(TokenKind k) {
  return k == TokenKind::Year || k == TokenKind::Month || k == TokenKind::Day;
}

void literal(XmlWriter& xml, const std::string& text) {
  if (!text.empty()) xml.textElement("number:text", text);
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

void numberElement(XmlWriter& xml, const Digits& d) {
  xml.startElement("number:number");
  xml.attribute("number:decimal-places", std::to_string(d.decimals));
  xml.attribute("number:min-decimal-places", std::to_string(d.decimalZeros));
  xml.attribute("number:min-integer-digits", std::to_string(d.integerZeros));
  if (d.grouping) xml.attribute("number:grouping", "true");
  xml.endElement();
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

void numericSectionBody(XmlWriter& xml, const Section& s, bool zeroSection) {
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

void dateTimeSectionBody(XmlWriter& xml, const Section& s) {
  const auto longIf = [&](bool isLong) {
    if (isLong) xml.attribute("number:style", "long");
  };
  for (const Token& t : s.tokens) {
    switch (t.kind) {
      case TokenKind::Literal:
        literal(xml, t.text);
        break;
      case TokenKind::Year:
        xml.startElement("number:year");
        longIf(t.width > 2);
        xml.endElement();
        break;
      case TokenKind::Month:
        xml.startElement("number:month");
        longIf(t.width == 2 || t.width >= 4);
        if (t.width >= 3) xml.attribute("number:textual", "true");
        xml.endElement();
        break;
      case TokenKind::Day:
        xml.startElement(t.width >= 3 ? "number:day-of-week" : "number:day");
        longIf(t.width == 2 || t.width >= 4);
        xml.endElement();
        break;
      case TokenKind::Hour:
      case TokenKind::ElapsedHours:
        xml.startElement("number:hours");
        longIf(t.width >= 2);
        xml.endElement();
        break;
      case TokenKind::Minute:
      case TokenKind::ElapsedMinutes:
        xml.startElement("number:minutes");
        longIf(t.width >= 2);
        xml.endElement();
        break;
      case TokenKind::Second:
      case TokenKind::ElapsedSeconds:
        xml.startElement("number:seconds");
        longIf(t.width >= 2);
        xml.endElement();
        break;
      case TokenKind::AmPm:
        xml.emptyElement("number:am-pm");
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

using Maps = std::vector<std::pair<std::string, std::string>>;

void startStyle(XmlWriter& xml, const char* element, const std::string& name,
                const std::optional<Language>& language) {
  xml.startElement(std::string("number:") + element);
  xml.attribute("style:name", name);
  if (language) {
    xml.attribute("number:language", language->language);
    xml.attribute("number:country", language->country);
  }
}

void endStyle(XmlWriter& xml, const Maps& maps) {
  for (const auto& [condition, target] : maps) {
    xml.startElement("style:map");
    xml.attribute("style:condition", condition);
    xml.attribute("style:apply-style-name", target);
    xml.endElement();
  }
  xml.endElement();
}

void sectionStyle(XmlWriter& xml, const std::string& name, const Section& s,
                  const std::optional<Language>& language, const Maps& maps,
                  bool zeroSection = false) {
  const char* element = s.dateTime      ? (hasDate(s) ? "date-style" : "time-style")
                        : hasPercent(s) ? "percentage-style"
                                        : "number-style";
  startStyle(xml, element, name, language);
  if (s.dateTime && hasElapsed(s)) xml.attribute("number:truncate-on-overflow", "false");
  if (s.dateTime)
    dateTimeSectionBody(xml, s);
  else
    numericSectionBody(xml, s, zeroSection);
  endStyle(xml, maps);
}

// The text section ('@') as the main style: text shows through it, and every
// number goes to the numeric sections by the maps.
void textStyle(XmlWriter& xml, const std::string& name, const Section& s,
               const std::optional<Language>& language, const Maps& maps) {
  startStyle(xml, "text-style", name, language);
  for (const Token& t : s.tokens) {
    if (t.kind == TokenKind::Literal) literal(xml, t.text);
    if (t.kind == TokenKind::Text) xml.emptyElement("number:text-content");
  }
  endStyle(xml, maps);
}

}  // namespace

bool writeNumberStyle(XmlWriter& xml, const std::string& name, const std::string& code) {
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
  const std::string& main = name;
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
    const std::string part = main + "P" + std::to_string(i);
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
