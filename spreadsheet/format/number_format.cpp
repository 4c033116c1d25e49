#include "spreadsheet/format/number_format.h"

#include <cmath>
#include <vector>

#include "spreadsheet/format/date_time_section.h"
#include "spreadsheet/format/format_code.h"
#include "spreadsheet/format/general_number.h"
#include "spreadsheet/format/number_section.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::format {

namespace {

// What the application shows for a date or time it cannot show; the fill
// lets a renderer repeat '#' across the whole cell as the application does.
FormattedValue unshowable() {
  return FormattedValue{"########", std::nullopt, '#', 0};
}

FormattedValue plain(std::string text) {
  FormattedValue f;
  f.text = std::move(text);
  return f;
}

FormattedValue fromOutput(SectionOutput&& out, const Section& s) {
  return FormattedValue{std::move(out.text), s.colorIndex, out.fill, out.fillPosition};
}

const FormatCode& codeOrGeneral(std::string_view code) {
  try {
    return cachedFormatCode(code);
  } catch (const Error&) {
    return cachedFormatCode("General");
  }
}

// The section for text: the fourth, or a last section holding '@'.
const Section* textSection(const FormatCode& fc) {
  if (fc.sections.size() == 4) return &fc.sections[3];
  const Section& last = fc.sections.back();
  if (last.text && !last.digits && !last.dateTime) return &last;
  return nullptr;
}

std::vector<const Section*> numberSections(const FormatCode& fc) {
  std::vector<const Section*> out;
  const Section* text = textSection(fc);
  for (const Section& s : fc.sections)
    if (&s != text) out.push_back(&s);
  return out;
}

struct Choice {
  const Section* section = nullptr;
  bool minus = false;  // the section shows the value with a leading '-'
};

// Without conditions: one section takes every number; two split at zero
// (negatives drop their sign); three give zero its own section. With
// conditions the first section whose condition holds wins, a first section
// without one taking non-negatives (positives when there are three), and the
// last taking whatever is left.
Choice chooseSection(const std::vector<const Section*>& sections, double v) {
  const std::size_t n = sections.size();
  bool conditional = false;
  for (const Section* s : sections) conditional = conditional || s->condition.has_value();
  if (!conditional) {
    if (n == 1) return {sections[0], v < 0};
    if (v > 0 || (v == 0 && n == 2)) return {sections[0], false};
    if (v < 0) return {sections[1], false};
    return {sections[2], false};
  }
  auto holds = [&](std::size_t i) {
    if (const auto& c = sections[i]->condition) return c->matches(v);
    if (i + 1 == n) return true;
    if (i == 0) return n >= 3 ? v > 0 : v >= 0;
    return v < 0;
  };
  std::size_t i = 0;
  while (i + 1 < n && !holds(i)) ++i;
  // With conditions, the second section drops the sign only when its own
  // condition admits nothing but negatives.
  bool negativeSection = false;
  if (i == 1) {
    const auto& c = sections[1]->condition;
    negativeSection =
        c && (c->op == Condition::Op::Less || c->op == Condition::Op::LessEqual) && c->value <= 0;
  }
  return {sections[i], v < 0 && !negativeSection};
}

FormattedValue formatText(const FormatCode& fc, const std::string& text) {
  const Section* s = textSection(fc);
  if (!s) return plain(text);
  SectionOutput out;
  for (const Token& t : s->tokens) {
    if (out.literalOrFill(t)) continue;
    if (t.kind == TokenKind::Text) out.text += text;
  }
  return fromOutput(std::move(out), *s);
}

FormattedValue formatNumber(const FormatCode& fc, double v) {
  if (!std::isfinite(v)) return plain("#NUM!");
  if (fc.general) return plain(generalNumberText(v));
  std::vector<const Section*> sections = numberSections(fc);
  if (sections.empty()) return plain(generalNumberText(v));  // "@" shows numbers as General
  Choice choice = chooseSection(sections, v);
  const Section& s = *choice.section;
  SectionOutput out;
  if (s.dateTime) {
    if (choice.minus || !renderDateTime(s, std::fabs(v), out)) return unshowable();
    return fromOutput(std::move(out), s);
  }
  renderNumber(s, std::fabs(v), out);
  if (choice.minus) {
    out.text.insert(out.text.begin(), '-');
    if (out.fill) ++out.fillPosition;
  }
  return fromOutput(std::move(out), s);
}

}  // namespace

FormattedValue formatValue(const CellValue& v, std::string_view formatCode) {
  if (v.isEmpty()) return {};
  if (v.isBoolean()) return plain(v.boolean() ? "TRUE" : "FALSE");
  if (v.isError()) return plain(std::string(errorText(v.error())));
  const FormatCode& fc = codeOrGeneral(formatCode);
  if (v.isText()) return formatText(fc, v.text());
  return formatNumber(fc, v.number());
}

std::string displayText(const CellValue& v, std::string_view formatCode) {
  return formatValue(v, formatCode).text;
}

}  // namespace spreadsheet::format
