#include "spreadsheet/xlsx/app_properties.h"

#include "spreadsheet/model/error.h"
#include "spreadsheet/xlsx/package_parts.h"

namespace spreadsheet::xlsx {

std::string withOurApplication(std::string appXml) {
  const std::string open = "<Application>", close = "</Application>";
  const std::size_t start = appXml.find(open);
  const std::size_t end = start == std::string::npos ? start : appXml.find(close, start);
  if (end == std::string::npos)
    throw Error("Cannot write the workbook: docProps/app.xml names no application.");
  appXml.replace(start + open.size(), end - start - open.size(), "Tallyloom");
  return appXml;
}

std::vector<std::uint8_t> nameOurApplication(const std::vector<std::uint8_t>& package) {
  return rewriteParts(package, {{"docProps/app.xml", withOurApplication}});
}

}  // namespace spreadsheet::xlsx
