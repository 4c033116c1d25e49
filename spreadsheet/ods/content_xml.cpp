#include "spreadsheet/ods/content_xml.h"

#include <QXmlStreamWriter>
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

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

QString validationName(std::size_t sheet, int index) {
  return QString("val%1_%2").arg(sheet + 1).arg(index + 1);
}

QString controlId(std::size_t sheet, std::size_t button) {
  return QString("control%1_%2").arg(sheet + 1).arg(button + 1);
}

// Text as paragraphs, one a line, as spreadsheet cells keep line feeds.
void paragraph(QXmlStreamWriter& xml, const std::string& text) {
  for (const QString& line : q(text).split('\n')) xml.writeTextElement(ns::text, "p", line);
}

class ContentWriter {
 public:
  ContentWriter(const Workbook& book, const ButtonScripts& scripts)
      : book_(book), scripts_(scripts), styles_(book) {}

  QByteArray write() {
    std::vector<SheetLayout> layouts;
    for (std::size_t i = 0; i < book_.sheetCount(); ++i) {
      layouts.push_back(layOut(book_.sheet(i)));
      nameStyles(layouts.back());
    }
    for (std::size_t i = 0; i < book_.sheetCount(); ++i)
      if (!book_.sheet(i).buttons().empty()) buttonTextStyles_ = true;
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.writeStartDocument();
    ns::declareAll(xml);
    xml.writeStartElement(ns::office, "document-content");
    xml.writeAttribute(ns::office, "version", "1.3");
    styles_.writeFontFaces(xml);
    xml.writeStartElement(ns::office, "automatic-styles");
    styles_.write(xml);
    writeTableStyles(xml);
    xml.writeEndElement();
    xml.writeStartElement(ns::office, "body");
    xml.writeStartElement(ns::office, "spreadsheet");
    writeValidations(xml);
    for (std::size_t i = 0; i < book_.sheetCount(); ++i) writeTable(xml, i, layouts[i]);
    writeNames(xml, 0);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
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

  QString cellStyleOf(const CellRun& c) {
    return c.areaStyle ? styles_.cellStyle(*c.areaStyle) : styles_.cellStyle(c.style);
  }

  // One table style per sheet (its page style) and the buttons' text style.
  void writeTableStyles(QXmlStreamWriter& xml) {
    for (std::size_t i = 0; i < book_.sheetCount(); ++i) {
      xml.writeStartElement(ns::style, "style");
      xml.writeAttribute(ns::style, "name", QString("ta%1").arg(i + 1));
      xml.writeAttribute(ns::style, "family", "table");
      xml.writeAttribute(ns::style, "master-page-name", masterPageName(i));
      xml.writeEmptyElement(ns::style, "table-properties");
      xml.writeAttribute(ns::table, "display", "true");
      xml.writeAttribute(ns::style, "writing-mode", "lr-tb");
      xml.writeEndElement();
    }
    if (!buttonTextStyles_) return;
    for (std::size_t i = 0; i < book_.sheetCount(); ++i) {
      const auto& buttons = book_.sheet(i).buttons();
      for (std::size_t b = 0; b < buttons.size(); ++b) {
        const Button& button = buttons[b];
        xml.writeStartElement(ns::style, "style");
        xml.writeAttribute(ns::style, "name", controlId(i, b) + "_text");
        xml.writeAttribute(ns::style, "family", "paragraph");
        xml.writeEmptyElement(ns::style, "text-properties");
        // A control shows its whole caption in one font: the first run's.
        FontRun font;
        if (!button.runs.empty()) font = button.runs.front();
        xml.writeAttribute(ns::style, "font-name", q(font.fontName));
        xml.writeAttribute(ns::fo, "font-size", points(font.size));
        xml.writeAttribute(ns::fo, "font-weight", font.bold ? "bold" : "normal");
        xml.writeAttribute(ns::fo, "font-style", font.italic ? "italic" : "normal");
        xml.writeEndElement();
      }
    }
  }

  void writeValidations(QXmlStreamWriter& xml) {
    bool any = false;
    for (std::size_t i = 0; i < book_.sheetCount(); ++i)
      any = any || !book_.sheet(i).validations().empty();
    if (!any) return;
    xml.writeStartElement(ns::table, "content-validations");
    for (std::size_t i = 0; i < book_.sheetCount(); ++i) {
      const Worksheet& sheet = book_.sheet(i);
      for (std::size_t v = 0; v < sheet.validations().size(); ++v)
        writeValidation(xml, sheet, validationName(i, static_cast<int>(v)), sheet.validations()[v]);
    }
    xml.writeEndElement();
  }

  void writeValidation(QXmlStreamWriter& xml, const Worksheet& sheet, const QString& name,
                       const Validation& rule) {
    xml.writeStartElement(ns::table, "content-validation");
    xml.writeAttribute(ns::table, "name", name);
    if (rule.type == xl::ValidateList && rule.formula1) {
      const QString list = q(formulaText(*rule.formula1)).mid(4);  // without "of:="
      xml.writeAttribute(ns::table, "condition", "of:cell-content-is-in-list(" + list + ")");
      xml.writeAttribute(ns::table, "display-list", rule.inCellDropdown ? "unsorted" : "none");
    }
    xml.writeAttribute(ns::table, "allow-empty-cell", rule.ignoreBlank ? "true" : "false");
    if (!rule.ranges.empty())
      xml.writeAttribute(ns::table, "base-cell-address",
                         q(sheetPart(sheet.name()) + "." + toA1(rule.ranges.front().first)));
    xml.writeStartElement(ns::table, "help-message");
    xml.writeAttribute(ns::table, "title", q(rule.inputTitle));
    xml.writeAttribute(ns::table, "display", rule.showInput ? "true" : "false");
    if (!rule.inputMessage.empty()) paragraph(xml, rule.inputMessage);
    xml.writeEndElement();
    xml.writeStartElement(ns::table, "error-message");
    xml.writeAttribute(ns::table, "title", q(rule.errorTitle));
    xml.writeAttribute(ns::table, "display", rule.showError ? "true" : "false");
    xml.writeAttribute(ns::table, "message-type",
                       rule.alertStyle == xl::ValidAlertWarning       ? "warning"
                       : rule.alertStyle == xl::ValidAlertInformation ? "information"
                                                                      : "stop");
    if (!rule.errorMessage.empty()) paragraph(xml, rule.errorMessage);
    xml.writeEndElement();
    xml.writeEndElement();
  }

  void writeTable(QXmlStreamWriter& xml, std::size_t index, const SheetLayout& layout) {
    const Worksheet& sheet = book_.sheet(index);
    xml.writeStartElement(ns::table, "table");
    xml.writeAttribute(ns::table, "name", q(sheet.name()));
    xml.writeAttribute(ns::table, "style-name", QString("ta%1").arg(index + 1));
    if (sheet.isProtected()) xml.writeAttribute(ns::table, "protected", "true");
    if (const auto& area = sheet.pageSetup().printArea)
      xml.writeAttribute(ns::table, "print-ranges", q(printRangeAddress(sheet.name(), *area)));
    writeForms(xml, index);
    for (const ColumnRun& c : layout.columns) {
      xml.writeEmptyElement(ns::table, "table-column");
      xml.writeAttribute(ns::table, "style-name", styles_.columnStyle(c.pixels));
      if (c.repeat > 1)
        xml.writeAttribute(ns::table, "number-columns-repeated", QString::number(c.repeat));
      if (c.hidden) xml.writeAttribute(ns::table, "visibility", "collapse");
      xml.writeAttribute(ns::table, "default-cell-style-name", styles_.cellStyle(c.style));
    }
    columnCount_ = layout.columnCount;
    for (const RowRun& r : layout.rows) writeRow(xml, index, r);
    writeNames(xml, static_cast<int>(index) + 1);
    xml.writeEndElement();
  }

  void writeRow(QXmlStreamWriter& xml, std::size_t sheet, const RowRun& r) {
    xml.writeStartElement(ns::table, "table-row");
    xml.writeAttribute(ns::table, "style-name", styles_.rowStyle(r.height));
    if (r.repeat > 1)
      xml.writeAttribute(ns::table, "number-rows-repeated", QString::number(r.repeat));
    if (r.hidden) xml.writeAttribute(ns::table, "visibility", "collapse");
    if (r.style)
      xml.writeAttribute(ns::table, "default-cell-style-name", styles_.cellStyle(*r.style));
    if (r.cells.empty()) {
      xml.writeEmptyElement(ns::table, "table-cell");
      if (columnCount_ > 1)
        xml.writeAttribute(ns::table, "number-columns-repeated", QString::number(columnCount_));
    }
    for (const CellRun& c : r.cells) writeCell(xml, sheet, c);
    xml.writeEndElement();
  }

  void writeCell(QXmlStreamWriter& xml, std::size_t sheet, const CellRun& c) {
    xml.writeStartElement(ns::table, c.covered ? "covered-table-cell" : "table-cell");
    xml.writeAttribute(ns::table, "style-name", cellStyleOf(c));
    if (c.repeat > 1)
      xml.writeAttribute(ns::table, "number-columns-repeated", QString::number(c.repeat));
    if (c.columnsSpanned > 1 || c.rowsSpanned > 1) {
      xml.writeAttribute(ns::table, "number-columns-spanned", QString::number(c.columnsSpanned));
      xml.writeAttribute(ns::table, "number-rows-spanned", QString::number(c.rowsSpanned));
    }
    if (c.validation >= 0)
      xml.writeAttribute(ns::table, "content-validation-name", validationName(sheet, c.validation));
    const std::string& numberFormat = book_.styles().get(c.style).numberFormat;
    if (c.cell) writeValue(xml, *c.cell, numberFormat);
    for (std::size_t b : c.buttons) writeControl(xml, sheet, b);
    if (c.cell) writeShownText(xml, c.cell->value, numberFormat);
    xml.writeEndElement();
  }

  // Value type and value, with the formula when there is one; its cached
  // result is the value. Numbers under a date or time format are dates and
  // times, as readers expect them.
  void writeValue(QXmlStreamWriter& xml, const Cell& cell, const std::string& numberFormat) {
    if (cell.formula) xml.writeAttribute(ns::table, "formula", q(formulaText(*cell.formula)));
    const CellValue& v = cell.value;
    if (v.isNumber()) {
      const StoredNumber stored = storedNumber(v.number(), numberFormat);
      xml.writeAttribute(ns::office, "value-type", stored.type);
      xml.writeAttribute(ns::office, stored.attribute, stored.value);
    } else if (v.isBoolean()) {
      xml.writeAttribute(ns::office, "value-type", "boolean");
      xml.writeAttribute(ns::office, "boolean-value", v.boolean() ? "true" : "false");
    } else if (v.isText()) {
      xml.writeAttribute(ns::office, "value-type", "string");
      if (cell.formula) xml.writeAttribute(ns::office, "string-value", q(v.text()));
    } else if (v.isError() && !cell.formula) {
      // A plain error value reads back from its literal.
      xml.writeAttribute(ns::table, "formula", "of:=" + q(std::string(errorText(v.error()))));
    }
  }

  // The text the cell shows, as its paragraph: readers that take the text
  // rather than the value (and every reader's search) find it there.
  void writeShownText(QXmlStreamWriter& xml, const CellValue& v, const std::string& numberFormat) {
    if (v.isText()) {
      if (!v.text().empty()) paragraph(xml, v.text());
    } else if (v.isNumber() || v.isBoolean()) {
      paragraph(xml, format::displayText(v, numberFormat));
    }
  }

  // The button's shape: anchored at this cell with its offset, ending in the
  // cell its bottom-right corner falls on.
  void writeControl(QXmlStreamWriter& xml, std::size_t sheet, std::size_t b) {
    const Worksheet& ws = book_.sheet(sheet);
    const Button& button = ws.buttons()[b];
    const PixelBox box = ButtonPixels(button);
    const CellAnchor anchor = buttonAnchor(ws, button);
    xml.writeStartElement(ns::draw, "control");
    xml.writeAttribute(ns::draw, "z-index", QString::number(b));
    xml.writeAttribute(ns::draw, "text-style-name", controlId(sheet, b) + "_text");
    xml.writeAttribute(ns::svg, "x", pixelLength(anchor.column1.offset));
    xml.writeAttribute(ns::svg, "y", pixelLength(anchor.row1.offset));
    xml.writeAttribute(ns::svg, "width", pixelLength(box.width));
    xml.writeAttribute(ns::svg, "height", pixelLength(box.height));
    const CellAddress end{anchor.row2.line, anchor.column2.line};
    xml.writeAttribute(ns::table, "end-cell-address", q(sheetPart(ws.name()) + "." + toA1(end)));
    xml.writeAttribute(ns::table, "end-x", pixelLength(anchor.column2.offset));
    xml.writeAttribute(ns::table, "end-y", pixelLength(anchor.row2.offset));
    xml.writeAttribute(ns::draw, "control", controlId(sheet, b));
    xml.writeEndElement();
  }

  // The sheet's buttons as push buttons of one form; a bound button runs its
  // script when pressed.
  void writeForms(QXmlStreamWriter& xml, std::size_t sheet) {
    const auto& buttons = book_.sheet(sheet).buttons();
    if (buttons.empty()) return;
    xml.writeStartElement(ns::office, "forms");
    xml.writeAttribute(ns::form, "automatic-focus", "false");
    xml.writeAttribute(ns::form, "apply-design-mode", "false");
    xml.writeStartElement(ns::form, "form");
    xml.writeAttribute(ns::form, "name", "Buttons");
    xml.writeAttribute(ns::form, "apply-filter", "true");
    xml.writeAttribute(ns::form, "command-type", "table");
    xml.writeAttribute(ns::form, "control-implementation", "ooo:com.sun.star.form.component.Form");
    for (std::size_t b = 0; b < buttons.size(); ++b) {
      const Button& button = buttons[b];
      xml.writeStartElement(ns::form, "button");
      xml.writeAttribute(
          ns::form, "name",
          q(button.name.empty() ? "Button " + std::to_string(button.id) : button.name));
      xml.writeAttribute(ns::form, "control-implementation",
                         "ooo:com.sun.star.form.component.CommandButton");
      xml.writeAttribute(ns::xml, "id", controlId(sheet, b));
      xml.writeAttribute(ns::form, "id", controlId(sheet, b));
      xml.writeAttribute(ns::form, "label", q(button.text));
      xml.writeAttribute(ns::form, "button-type", "push");
      // A screen control: off the printed page, and a click leaves the
      // keyboard with the cell cursor.
      xml.writeAttribute(ns::form, "printable", "false");
      xml.writeAttribute(ns::form, "focus-on-click", "false");
      if (auto it = scripts_.find({sheet, b}); it != scripts_.end()) {
        xml.writeStartElement(ns::office, "event-listeners");
        xml.writeEmptyElement(ns::script, "event-listener");
        xml.writeAttribute(ns::script, "language", "ooo:script");
        xml.writeAttribute(ns::script, "event-name", "form:performaction");
        xml.writeAttribute(ns::xlink, "href", it->second);
        xml.writeAttribute(ns::xlink, "type", "simple");
        xml.writeEndElement();
      }
      xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
  }

  // Defined names of one scope: 0 the workbook's, n those of sheet n. Print
  // areas are the tables' print ranges.
  void writeNames(QXmlStreamWriter& xml, int scope) {
    std::vector<const DefinedName*> names;
    for (const DefinedName& n : book_.names())
      if (n.sheetScope == scope && !sameName(n.name, "Print_Area")) names.push_back(&n);
    if (names.empty()) return;
    xml.writeStartElement(ns::table, "named-expressions");
    for (const DefinedName* n : names) {
      const FormulaNode& f = n->formula;
      const bool range =
          (f.kind == FormulaKind::Cell || f.kind == FormulaKind::Area) && !f.sheet.empty();
      const FormulaRef& last = f.kind == FormulaKind::Area ? f.last : f.first;
      xml.writeEmptyElement(ns::table, range ? "named-range" : "named-expression");
      xml.writeAttribute(ns::table, "name", q(n->name));
      const std::string base =
          book_.sheetCount() > 0 ? book_.sheet(0).name() : std::string("Sheet1");
      xml.writeAttribute(ns::table, "base-cell-address",
                         q(absoluteRangeAddress(base, CellRange::of({1, 1}))));
      if (range) {
        xml.writeAttribute(ns::table, "cell-range-address",
                           q(absoluteRangeAddress(
                               f.sheet, {{f.first.row, f.first.column}, {last.row, last.column}})));
      } else {
        xml.writeAttribute(ns::table, "expression", q(formulaText(f)));
      }
    }
    xml.writeEndElement();
  }

  const Workbook& book_;
  const ButtonScripts& scripts_;
  AutomaticStyles styles_;
  bool buttonTextStyles_ = false;
  int columnCount_ = 1;  // of the table being written
};

}  // namespace

QString masterPageName(std::size_t index) {
  return QString("PageStyle_%1").arg(index + 1);
}

QByteArray contentXml(const Workbook& book, const ButtonScripts& scripts) {
  return ContentWriter(book, scripts).write();
}

}  // namespace spreadsheet::ods
