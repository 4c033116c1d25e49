#include "spreadsheet/ods/content_xml.h"

#include <string_view>
#include <vector>

#include "spreadsheet/format/number_format.h"
#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/units.h"
#include "spreadsheet/ods/cell_styles.h"
#include "spreadsheet/ods/formula_text.h"
#include "spreadsheet/ods/lengths.h"
#include "spreadsheet/ods/namespaces.h"
#include "spreadsheet/ods/sheet_layout.h"
#include "spreadsheet/ods/value_attributes.h"

namespace spreadsheet::ods {

namespace {

std::string validationName(std::size_t sheet, int index) {
  return "val" + std::to_string(sheet + 1) + "_" + std::to_string(index + 1);
}

std::string controlId(std::size_t sheet, std::size_t button) {
  return "control" + std::to_string(sheet + 1) + "_" + std::to_string(button + 1);
}

// Text as paragraphs, one a line, as spreadsheet cells keep line feeds.
void paragraph(XmlWriter& xml, const std::string& text) {
  std::string_view rest = text;
  for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos;
       rest.remove_prefix(end + 1))
    xml.textElement("text:p", rest.substr(0, end));
  xml.textElement("text:p", rest);
}

class ContentWriter {
 public:
  ContentWriter(const Workbook& book, const ButtonScripts& scripts)
      : book_(book), scripts_(scripts), styles_(book) {}

  std::string write() {
    std::vector<SheetLayout> layouts;
    for (std::size_t i = 0; i < book_.sheetCount(); ++i) {
      layouts.push_back(layOut(book_.sheet(i)));
      nameStyles(layouts.back());
    }
    for (std::size_t i = 0; i < book_.sheetCount(); ++i)
      if (!book_.sheet(i).buttons().empty()) buttonTextStyles_ = true;
    XmlWriter xml;
    xml.startDocument();
    ns::declareAll(xml);
    xml.startElement("office:document-content");
    xml.attribute("office:version", "1.3");
    styles_.writeFontFaces(xml);
    xml.startElement("office:automatic-styles");
    styles_.write(xml);
    writeTableStyles(xml);
    xml.endElement();
    xml.startElement("office:body");
    xml.startElement("office:spreadsheet");
    writeValidations(xml);
    for (std::size_t i = 0; i < book_.sheetCount(); ++i) writeTable(xml, i, layouts[i]);
    writeNames(xml, 0);
    xml.endElement();
    xml.endElement();
    xml.endElement();
    return xml.endDocument();
  }

 private:
  void nameStyles(const SheetLayout& layout) {
    for (const ColumnRun& c : layout.columns) {
      styles_.columnStyle(c.pixels);
      styles_.cellStyle(c.style);
    }
    for (const RowRun& r : layout.rows) {
      styles_.rowStyle(r.height);
      if (r.style) styles_.cellStyle(*r.style);
      for (const CellRun& c : r.cells) cellStyleOf(c);
    }
  }

  std::string cellStyleOf(const CellRun& c) {
    return c.areaStyle ? styles_.cellStyle(*c.areaStyle) : styles_.cellStyle(c.style);
  }

  // One table style per sheet (its page style) and the buttons' text style.
  void writeTableStyles(XmlWriter& xml) {
    for (std::size_t i = 0; i < book_.sheetCount(); ++i) {
      xml.startElement("style:style");
      xml.attribute("style:name", "ta" + std::to_string(i + 1));
      xml.attribute("style:family", "table");
      xml.attribute("style:master-page-name", masterPageName(i));
      xml.emptyElement("style:table-properties");
      xml.attribute("table:display", "true");
      xml.attribute("style:writing-mode", "lr-tb");
      xml.endElement();
    }
    if (!buttonTextStyles_) return;
    for (std::size_t i = 0; i < book_.sheetCount(); ++i) {
      const auto& buttons = book_.sheet(i).buttons();
      for (std::size_t b = 0; b < buttons.size(); ++b) {
        const Button& button = buttons[b];
        xml.startElement("style:style");
        xml.attribute("style:name", controlId(i, b) + "_text");
        xml.attribute("style:family", "paragraph");
        xml.emptyElement("style:text-properties");
        // A control shows its whole caption in one font: the first run's.
        FontRun font;
        if (!button.runs.empty()) font = button.runs.front();
        xml.attribute("style:font-name", font.fontName);
        xml.attribute("fo:font-size", points(font.size));
        xml.attribute("fo:font-weight", font.bold ? "bold" : "normal");
        xml.attribute("fo:font-style", font.italic ? "italic" : "normal");
        xml.endElement();
      }
    }
  }

  void writeValidations(XmlWriter& xml) {
    bool any = false;
    for (std::size_t i = 0; i < book_.sheetCount(); ++i)
      any = any || !book_.sheet(i).validations().empty();
    if (!any) return;
    xml.startElement("table:content-validations");
    for (std::size_t i = 0; i < book_.sheetCount(); ++i) {
      const Worksheet& sheet = book_.sheet(i);
      for (std::size_t v = 0; v < sheet.validations().size(); ++v)
        writeValidation(xml, sheet, validationName(i, static_cast<int>(v)), sheet.validations()[v]);
    }
    xml.endElement();
  }

  void writeValidation(XmlWriter& xml, const Worksheet& sheet, const std::string& name,
                       const Validation& rule) {
    xml.startElement("table:content-validation");
    xml.attribute("table:name", name);
    if (rule.type == xl::ValidateList && rule.formula1) {
      const std::string list = formulaText(*rule.formula1).substr(4);  // without "of:="
      xml.attribute("table:condition", "of:cell-content-is-in-list(" + list + ")");
      xml.attribute("table:display-list", rule.inCellDropdown ? "unsorted" : "none");
    }
    xml.attribute("table:allow-empty-cell", rule.ignoreBlank ? "true" : "false");
    if (!rule.ranges.empty())
      xml.attribute("table:base-cell-address",
                    sheetPart(sheet.name()) + "." + toA1(rule.ranges.front().first));
    xml.startElement("table:help-message");
    xml.attribute("table:title", rule.inputTitle);
    xml.attribute("table:display", rule.showInput ? "true" : "false");
    if (!rule.inputMessage.empty()) paragraph(xml, rule.inputMessage);
    xml.endElement();
    xml.startElement("table:error-message");
    xml.attribute("table:title", rule.errorTitle);
    xml.attribute("table:display", rule.showError ? "true" : "false");
    xml.attribute("table:message-type", rule.alertStyle == xl::ValidAlertWarning ? "warning"
                                        : rule.alertStyle == xl::ValidAlertInformation
                                            ? "information"
                                            : "stop");
    if (!rule.errorMessage.empty()) paragraph(xml, rule.errorMessage);
    xml.endElement();
    xml.endElement();
  }

  void writeTable(XmlWriter& xml, std::size_t index, const SheetLayout& layout) {
    const Worksheet& sheet = book_.sheet(index);
    xml.startElement("table:table");
    xml.attribute("table:name", sheet.name());
    xml.attribute("table:style-name", "ta" + std::to_string(index + 1));
    if (sheet.isProtected()) xml.attribute("table:protected", "true");
    if (const auto& area = sheet.pageSetup().printArea)
      xml.attribute("table:print-ranges", printRangeAddress(sheet.name(), *area));
    writeForms(xml, index);
    for (const ColumnRun& c : layout.columns) {
      xml.emptyElement("table:table-column");
      xml.attribute("table:style-name", styles_.columnStyle(c.pixels));
      if (c.repeat > 1) xml.attribute("table:number-columns-repeated", std::to_string(c.repeat));
      if (c.hidden) xml.attribute("table:visibility", "collapse");
      xml.attribute("table:default-cell-style-name", styles_.cellStyle(c.style));
    }
    columnCount_ = layout.columnCount;
    for (const RowRun& r : layout.rows) writeRow(xml, index, r);
    writeNames(xml, static_cast<int>(index) + 1);
    xml.endElement();
  }

  void writeRow(XmlWriter& xml, std::size_t sheet, const RowRun& r) {
    xml.startElement("table:table-row");
    xml.attribute("table:style-name", styles_.rowStyle(r.height));
    if (r.repeat > 1) xml.attribute("table:number-rows-repeated", std::to_string(r.repeat));
    if (r.hidden) xml.attribute("table:visibility", "collapse");
    if (r.style) xml.attribute("table:default-cell-style-name", styles_.cellStyle(*r.style));
    if (r.cells.empty()) {
      xml.emptyElement("table:table-cell");
      if (columnCount_ > 1)
        xml.attribute("table:number-columns-repeated", std::to_string(columnCount_));
    }
    for (const CellRun& c : r.cells) writeCell(xml, sheet, c);
    xml.endElement();
  }

  void writeCell(XmlWriter& xml, std::size_t sheet, const CellRun& c) {
    xml.startElement(c.covered ? "table:covered-table-cell" : "table:table-cell");
    xml.attribute("table:style-name", cellStyleOf(c));
    if (c.repeat > 1) xml.attribute("table:number-columns-repeated", std::to_string(c.repeat));
    if (c.columnsSpanned > 1 || c.rowsSpanned > 1) {
      xml.attribute("table:number-columns-spanned", std::to_string(c.columnsSpanned));
      xml.attribute("table:number-rows-spanned", std::to_string(c.rowsSpanned));
    }
    if (c.validation >= 0)
      xml.attribute("table:content-validation-name", validationName(sheet, c.validation));
    const std::string& numberFormat = book_.styles().get(c.style).numberFormat;
    if (c.cell) writeValue(xml, *c.cell, numberFormat);
    for (std::size_t b : c.buttons) writeControl(xml, sheet, b);
    if (c.cell) writeShownText(xml, c.cell->value, numberFormat);
    xml.endElement();
  }

  // Value type and value, with the formula when there is one; its cached
  // result is the value. Numbers under a date or time format are dates and
  // times, as readers expect them.
  void writeValue(XmlWriter& xml, const Cell& cell, const std::string& numberFormat) {
    if (cell.formula) xml.attribute("table:formula", formulaText(*cell.formula));
    const CellValue& v = cell.value;
    if (v.isNumber()) {
      const StoredNumber stored = storedNumber(v.number(), numberFormat);
      xml.attribute("office:value-type", stored.type);
      xml.attribute("office:" + stored.attribute, stored.value);
    } else if (v.isBoolean()) {
      xml.attribute("office:value-type", "boolean");
      xml.attribute("office:boolean-value", v.boolean() ? "true" : "false");
    } else if (v.isText()) {
      xml.attribute("office:value-type", "string");
      if (cell.formula) xml.attribute("office:string-value", v.text());
    } else if (v.isError() && !cell.formula) {
      // A plain error value reads back from its literal.
      xml.attribute("table:formula", "of:=" + std::string(errorText(v.error())));
    }
  }

  // The text the cell shows, as its paragraph: readers that take the text
  // rather than the value (and every reader's search) find it there.
  void writeShownText(XmlWriter& xml, const CellValue& v, const std::string& numberFormat) {
    if (v.isText()) {
      if (!v.text().empty()) paragraph(xml, v.text());
    } else if (v.isNumber() || v.isBoolean()) {
      paragraph(xml, format::displayText(v, numberFormat));
    }
  }

  // The button's shape: anchored at this cell with its offset, ending in the
  // cell its bottom-right corner falls on.
  void writeControl(XmlWriter& xml, std::size_t sheet, std::size_t b) {
    const Worksheet& ws = book_.sheet(sheet);
    const Button& button = ws.buttons()[b];
    const PixelBox box = ButtonPixels(button);
    const CellAnchor anchor = buttonAnchor(ws, button);
    xml.startElement("draw:control");
    xml.attribute("draw:z-index", std::to_string(b));
    xml.attribute("draw:text-style-name", controlId(sheet, b) + "_text");
    xml.attribute("svg:x", pixelLength(anchor.column1.offset));
    xml.attribute("svg:y", pixelLength(anchor.row1.offset));
    xml.attribute("svg:width", pixelLength(box.width));
    xml.attribute("svg:height", pixelLength(box.height));
    const CellAddress end{anchor.row2.line, anchor.column2.line};
    xml.attribute("table:end-cell-address", sheetPart(ws.name()) + "." + toA1(end));
    xml.attribute("table:end-x", pixelLength(anchor.column2.offset));
    xml.attribute("table:end-y", pixelLength(anchor.row2.offset));
    xml.attribute("draw:control", controlId(sheet, b));
    xml.endElement();
  }

  // The sheet's buttons as push buttons of one form; a bound button runs its
  // script when pressed.
  void writeForms(XmlWriter& xml, std::size_t sheet) {
    const auto& buttons = book_.sheet(sheet).buttons();
    if (buttons.empty()) return;
    xml.startElement("office:forms");
    xml.attribute("form:automatic-focus", "false");
    xml.attribute("form:apply-design-mode", "false");
    xml.startElement("form:form");
    xml.attribute("form:name", "Buttons");
    xml.attribute("form:apply-filter", "true");
    xml.attribute("form:command-type", "table");
    xml.attribute("form:control-implementation", "ooo:com.sun.star.form.component.Form");
    for (std::size_t b = 0; b < buttons.size(); ++b) {
      const Button& button = buttons[b];
      xml.startElement("form:button");
      xml.attribute("form:name",
                    button.name.empty() ? "Button " + std::to_string(button.id) : button.name);
      xml.attribute("form:control-implementation", "ooo:com.sun.star.form.component.CommandButton");
      xml.attribute("xml:id", controlId(sheet, b));
      xml.attribute("form:id", controlId(sheet, b));
      xml.attribute("form:label", button.text);
      xml.attribute("form:button-type", "push");
      // A screen control: off the printed page, and a click leaves the
      // keyboard with the cell cursor.
      xml.attribute("form:printable", "false");
      xml.attribute("form:focus-on-click", "false");
      if (auto it = scripts_.find({sheet, b}); it != scripts_.end()) {
        xml.startElement("office:event-listeners");
        xml.emptyElement("script:event-listener");
        xml.attribute("script:language", "ooo:script");
        xml.attribute("script:event-name", "form:performaction");
        xml.attribute("xlink:href", it->second);
        xml.attribute("xlink:type", "simple");
        xml.endElement();
      }
      xml.endElement();
    }
    xml.endElement();
    xml.endElement();
  }

  // Defined names of one scope: 0 the workbook's, n those of sheet n. Print
  // areas are the tables' print ranges.
  void writeNames(XmlWriter& xml, int scope) {
    std::vector<const DefinedName*> names;
    for (const DefinedName& n : book_.names())
      if (n.sheetScope == scope && !sameName(n.name, "Print_Area")) names.push_back(&n);
    if (names.empty()) return;
    xml.startElement("table:named-expressions");
    for (const DefinedName* n : names) {
      const FormulaNode& f = n->formula;
      const bool range =
          (f.kind == FormulaKind::Cell || f.kind == FormulaKind::Area) && !f.sheet.empty();
      const FormulaRef& last = f.kind == FormulaKind::Area ? f.last : f.first;
      xml.emptyElement(range ? "table:named-range" : "table:named-expression");
      xml.attribute("table:name", n->name);
      const std::string base =
          book_.sheetCount() > 0 ? book_.sheet(0).name() : std::string("Sheet1");
      xml.attribute("table:base-cell-address", absoluteRangeAddress(base, CellRange::of({1, 1})));
      if (range) {
        xml.attribute("table:cell-range-address",
                      (absoluteRangeAddress(
                          f.sheet, {{f.first.row, f.first.column}, {last.row, last.column}})));
      } else {
        xml.attribute("table:expression", formulaText(f));
      }
    }
    xml.endElement();
  }

  const Workbook& book_;
  const ButtonScripts& scripts_;
  AutomaticStyles styles_;
  bool buttonTextStyles_ = false;
  int columnCount_ = 1;  // of the table being written
};

}  // namespace

std::string masterPageName(std::size_t index) {
  return "PageStyle_" + std::to_string(index + 1);
}

std::string contentXml(const Workbook& book, const ButtonScripts& scripts) {
  return ContentWriter(book, scripts).write();
}

}  // namespace spreadsheet::ods
