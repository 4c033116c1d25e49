#include <algorithm>
#include <cctype>

#include "spreadsheet/api/application.h"
#include "spreadsheet/api/application_state.h"
#include "spreadsheet/api/button_text.h"
#include "spreadsheet/api/range.h"
#include "spreadsheet/api/worksheet.h"
#include "spreadsheet/edit/borders.h"
#include "spreadsheet/edit/cells.h"
#include "spreadsheet/edit/format.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/workbook.h"

namespace spreadsheet::api {

namespace {

void formatAreas(const Range& range, const edit::StyleEdit& edit) {
  spreadsheet::Worksheet& s = range.sheet();
  for (const CellRange& a : range.areas()) edit::applyFormat(s, a, edit);
}

const Style& topLeftStyle(const Range& range) {
  return range.sheet().effectiveStyle(range.areas().front().first);
}

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool validColorIndex(int i) {
  return (i >= 1 && i <= 56) || i == xl::ColorAutomatic;
}

}  // namespace

// ---- Font -----------------------------------------------------------------------

Font::Font(Range range) : range_(std::move(range)) {}

Font::Font(std::shared_ptr<Application> app, spreadsheet::Worksheet* sheet, int buttonId, int start,
           int length)
    : app_(std::move(app)), sheet_(sheet), buttonId_(buttonId), start_(start), length_(length) {}

namespace {

// The same change for a cell font and a button's run font.
struct FontChange {
  std::function<void(spreadsheet::Font&)> cell;
  std::function<void(FontRun&)> run;
};

}  // namespace

FontRun Font::current() const {
  if (range_) {
    const spreadsheet::Font& f = topLeftStyle(*range_).font;
    return FontRun{0, f.name, f.size, f.bold, f.italic, f.colorIndex};
  }
  const spreadsheet::Button& b = api::Button(app_, sheet_, buttonId_).model();
  return runAt(b, spanOf(b, start_, length_).from);
}

std::string Font::Name() const {
  return current().fontName;
}
double Font::Size() const {
  return current().size;
}
bool Font::Bold() const {
  return current().bold;
}
bool Font::Italic() const {
  return current().italic;
}
int Font::ColorIndex() const {
  return current().colorIndex;
}

int Font::Underline() const {
  if (range_) return topLeftStyle(*range_).font.underline;
  return xl::UnderlineNone;
}

std::string Font::FontStyle() const {
  const bool b = Bold(), i = Italic();
  return b && i ? "Bold Italic" : b ? "Bold" : i ? "Italic" : "Regular";
}

namespace {
void applyFont(const std::optional<Range>& range, const std::shared_ptr<Application>& app,
               spreadsheet::Worksheet* sheet, int id, int start, int length,
               const FontChange& change) {
  if (range) {
    formatAreas(*range, [&](Style& s) { change.cell(s.font); });
    return;
  }
  spreadsheet::Button& b = api::Button(app, sheet, id).model();
  editRuns(b, spanOf(b, start, length), change.run);
}
}  // namespace

void Font::setName(const std::string& name) {
  if (name.empty() || name.size() > 31)
    throw Error("Unable to set the Name property of the Font class");
  applyFont(range_, app_, sheet_, buttonId_, start_, length_,
            {[&](spreadsheet::Font& f) { f.name = name; }, [&](FontRun& r) { r.fontName = name; }});
}

void Font::setSize(double points) {
  if (!(points >= 1 && points <= 409))
    throw Error("Unable to set the Size property of the Font class");
  applyFont(range_, app_, sheet_, buttonId_, start_, length_,
            {[&](spreadsheet::Font& f) { f.size = points; }, [&](FontRun& r) { r.size = points; }});
}

void Font::setBold(bool bold) {
  applyFont(range_, app_, sheet_, buttonId_, start_, length_,
            {[&](spreadsheet::Font& f) { f.bold = bold; }, [&](FontRun& r) { r.bold = bold; }});
}

void Font::setItalic(bool italic) {
  applyFont(
      range_, app_, sheet_, buttonId_, start_, length_,
      {[&](spreadsheet::Font& f) { f.italic = italic; }, [&](FontRun& r) { r.italic = italic; }});
}

void Font::setUnderline(int underline) {
  if (underline != xl::UnderlineNone && underline != xl::UnderlineSingle &&
      underline != xl::UnderlineDouble)
    throw Error("Unable to set the Underline property of the Font class");
  if (!range_) throw Error("Unable to set the Underline property of the Font class");
  formatAreas(*range_, [&](Style& s) { s.font.underline = underline; });
}

void Font::setColorIndex(int index) {
  if (!validColorIndex(index))
    throw Error("Unable to set the ColorIndex property of the Font class");
  applyFont(range_, app_, sheet_, buttonId_, start_, length_,
            {[&](spreadsheet::Font& f) { f.colorIndex = index; },
             [&](FontRun& r) { r.colorIndex = index; }});
}

void Font::setFontStyle(const std::string& style) {
  const std::string s = lower(style);
  bool bold = false, italic = false;
  if (s == "bold") {
    bold = true;
  } else if (s == "italic") {
    italic = true;
  } else if (s == "bold italic") {
    bold = italic = true;
  } else if (s != "regular" && s != "general" && s != "normal") {
    throw Error("Unable to set the FontStyle property of the Font class");
  }
  applyFont(range_, app_, sheet_, buttonId_, start_, length_,
            {[&](spreadsheet::Font& f) {
               f.bold = bold;
               f.italic = italic;
             },
             [&](FontRun& r) {
               r.bold = bold;
               r.italic = italic;
             }});
}

// ---- Border / Borders ----------------------------------------------------------

namespace {
bool validLineStyle(int v) {
  return v == xl::LineNone || v == xl::Continuous || v == xl::Dash || v == xl::DashDot ||
         v == xl::DashDotDot || v == xl::Dot || v == xl::Double || v == xl::SlantDashDot;
}
bool validWeight(int v) {
  return v == xl::Hairline || v == xl::Thin || v == xl::Medium || v == xl::Thick;
}

void changeBorder(const Range& range, int index, const edit::BorderChange& change) {
  spreadsheet::Worksheet& s = range.sheet();
  for (const CellRange& a : range.areas()) edit::applyBorder(s, a, index, change);
}

void checkIndex(int index) {
  if (index < xl::DiagonalDown || index > xl::InsideHorizontal)
    throw Error("Unable to get the Item property of the Borders class");
}
}  // namespace

Border::Border(Range range, int index) : range_(std::move(range)), index_(index) {
  checkIndex(index);
}

int Border::LineStyle() const {
  return edit::borderOf(range_.sheet(), range_.areas().front(), index_).lineStyle;
}
int Border::Weight() const {
  return edit::borderOf(range_.sheet(), range_.areas().front(), index_).weight;
}
int Border::ColorIndex() const {
  return edit::borderOf(range_.sheet(), range_.areas().front(), index_).colorIndex;
}

void Border::setLineStyle(int style) {
  if (!validLineStyle(style))
    throw Error("Unable to set the LineStyle property of the Border class");
  changeBorder(range_, index_, {style, std::nullopt, std::nullopt});
}

void Border::setWeight(int weight) {
  if (!validWeight(weight)) throw Error("Unable to set the Weight property of the Border class");
  changeBorder(range_, index_, {std::nullopt, weight, std::nullopt});
}

void Border::setColorIndex(int index) {
  if (!validColorIndex(index))
    throw Error("Unable to set the ColorIndex property of the Border class");
  changeBorder(range_, index_, {std::nullopt, std::nullopt, index});
}

Borders::Borders(Range range) : range_(std::move(range)) {}

api::Border Borders::Item(int index) const {
  return api::Border(range_, index);
}

namespace {
constexpr int kAllLines[] = {xl::EdgeLeft,  xl::EdgeTop,        xl::EdgeBottom,
                             xl::EdgeRight, xl::InsideVertical, xl::InsideHorizontal};
}

void Borders::setLineStyle(int style) {
  if (!validLineStyle(style))
    throw Error("Unable to set the LineStyle property of the Borders class");
  for (int i : kAllLines) changeBorder(range_, i, {style, std::nullopt, std::nullopt});
}

void Borders::setWeight(int weight) {
  if (!validWeight(weight)) throw Error("Unable to set the Weight property of the Borders class");
  for (int i : kAllLines) changeBorder(range_, i, {std::nullopt, weight, std::nullopt});
}

void Borders::setColorIndex(int index) {
  if (!validColorIndex(index))
    throw Error("Unable to set the ColorIndex property of the Borders class");
  for (int i : kAllLines) changeBorder(range_, i, {std::nullopt, std::nullopt, index});
}

// ---- Interior ------------------------------------------------------------------

Interior::Interior(Range range) : range_(std::move(range)) {}

int Interior::ColorIndex() const {
  return topLeftStyle(range_).fillColorIndex;
}

void Interior::setColorIndex(int index) {
  if (index == xl::ColorAutomatic) index = xl::ColorNone;
  if (!(index == xl::ColorNone || (index >= 1 && index <= 56)))
    throw Error("Unable to set the ColorIndex property of the Interior class");
  formatAreas(range_, [&](Style& s) { s.fillColorIndex = index; });
}

}  // namespace spreadsheet::api
