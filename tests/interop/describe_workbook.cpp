#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "sample_workbook.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/vba/macro_project.h"

namespace interop {
namespace {

using namespace spreadsheet;
namespace fx = spreadsheet::formula;

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

QJsonArray rangeJson(const CellRange& r) {
  return {r.first.row, r.first.column, r.last.row, r.last.column};
}

QJsonValue valueJson(const CellValue& v) {
  if (v.isNumber()) return QJsonObject{{"n", v.number()}};
  if (v.isText()) return QJsonObject{{"s", q(v.text())}};
  if (v.isBoolean()) return QJsonObject{{"b", v.boolean()}};
  if (v.isError()) return QJsonObject{{"e", q(std::string(errorText(v.error())))}};
  return QJsonValue::Null;
}

QJsonArray cellsJson(const Worksheet& ws) {
  QJsonArray cells;
  for (const auto& [at, cell] : ws.cells()) {
    if (cell.isBlank()) continue;
    QJsonObject c{{"row", at.row},
                  {"col", at.column},
                  {"ref", q(toA1(at))},
                  {"value", valueJson(cell.value)},
                  {"numberFormat", q(ws.workbook().styles().get(cell.style).numberFormat)}};
    if (cell.formula) c["formula"] = q(fx::print(*cell.formula, fx::Notation::A1, at));
    cells.append(c);
  }
  return cells;
}

QJsonObject sizesJson(const Worksheet& ws, Axis axis) {
  QJsonObject sizes;
  for (const auto& [index, line] : ws.lines(axis))
    if (line.size) sizes[QString::number(index)] = *line.size;
  return sizes;
}

QJsonArray validationsJson(const Worksheet& ws) {
  QJsonArray out;
  for (const Validation& v : ws.validations()) {
    QJsonArray ranges;
    for (const CellRange& r : v.ranges) ranges.append(rangeJson(r));
    const CellAddress anchor = v.ranges.empty() ? CellAddress{} : v.ranges.front().first;
    out.append(QJsonObject{
        {"ranges", ranges},
        {"type", v.type},
        {"alertStyle", v.alertStyle},
        {"formula1", v.formula1 ? q(fx::print(*v.formula1, fx::Notation::A1, anchor)) : ""},
        {"errorTitle", q(v.errorTitle)},
        {"errorMessage", q(v.errorMessage)},
        {"inputMessage", q(v.inputMessage)},
        {"showError", v.showError},
        {"showInput", v.showInput},
        {"ignoreBlank", v.ignoreBlank},
        {"inCellDropdown", v.inCellDropdown}});
  }
  return out;
}

QJsonArray buttonsJson(const Worksheet& ws) {
  QJsonArray out;
  for (const Button& b : ws.buttons())
    out.append(QJsonObject{{"text", q(b.text)},
                           {"onAction", q(b.onAction)},
                           {"left", b.left},
                           {"top", b.top},
                           {"width", b.width},
                           {"height", b.height}});
  return out;
}

QJsonObject pageJson(const PageSetup& p) {
  return QJsonObject{
      {"printArea", p.printArea ? QJsonValue(rangeJson(*p.printArea)) : QJsonValue()},
      {"orientation", p.orientation},
      {"paperSize", p.paperSize},
      {"zoom", p.zoom ? QJsonValue(*p.zoom) : QJsonValue()},
      {"fitToPagesWide", p.fitToPagesWide},
      {"fitToPagesTall", p.fitToPagesTall},
      {"margins", QJsonArray{p.leftMargin, p.rightMargin, p.topMargin, p.bottomMargin}}};
}

QJsonObject sheetJson(const Worksheet& ws) {
  QJsonArray merges;
  for (const CellRange& r : ws.mergedAreas()) merges.append(rangeJson(r));
  return QJsonObject{{"name", q(ws.name())},
                     {"codeName", q(ws.codeName())},
                     {"cells", cellsJson(ws)},
                     {"merges", merges},
                     {"defaultColumnWidth", ws.defaultColumnWidth()},
                     {"defaultRowHeight", ws.defaultRowHeight()},
                     {"columnWidths", sizesJson(ws, Axis::Columns)},
                     {"rowHeights", sizesJson(ws, Axis::Rows)},
                     {"validations", validationsJson(ws)},
                     {"buttons", buttonsJson(ws)},
                     {"pageSetup", pageJson(ws.pageSetup())}};
}

QJsonArray modulesJson(const Workbook& book) {
  QJsonArray out;
  if (!book.macroProject()) return out;
  for (const vba::MacroModule& m : vba::readMacroModules(*book.macroProject()))
    out.append(QJsonObject{{"name", q(m.name)}, {"document", m.document}, {"source", q(m.source)}});
  return out;
}

}  // namespace

std::string describeWorkbook(const Workbook& book) {
  QJsonArray names;
  for (const DefinedName& n : book.names())
    names.append(QJsonObject{{"name", q(n.name)},
                             {"sheetScope", n.sheetScope},
                             {"refersTo", q(fx::print(n.formula, fx::Notation::A1, {1, 1}))}});
  QJsonArray sheets;
  for (std::size_t i = 0; i < book.sheetCount(); ++i) sheets.append(sheetJson(book.sheet(i)));
  QJsonObject root{{"defaultFont", QJsonObject{{"name", q(book.defaultFont().name)},
                                               {"size", book.defaultFont().size}}},
                   {"codeName", q(book.codeName())},
                   {"names", names},
                   {"sheets", sheets},
                   {"macroModules", modulesJson(book)}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace interop
