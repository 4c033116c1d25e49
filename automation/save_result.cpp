#include "automation/save_result.h"

#include <sys/stat.h>

#include <stdexcept>

#include "automation/excel1.h"
#include "generator/sheet_macros.h"
#include "resources/basic/basic_modules.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/formats/workbook_format.h"
#include "spreadsheet/io/whole_file.h"

namespace automation {

namespace {

bool isOrdinaryFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

void SaveGeneratedWorkbook(const std::string& generated, const std::string& target) {
  using spreadsheet::formats::WorkbookFormat;
  if (!isOrdinaryFile(generated)) throw std::runtime_error("File not found");
  const auto format = spreadsheet::formats::FormatForPath(target);
  if (!format || *format == WorkbookFormat::Xls)
    return spreadsheet::io::copyWholeFile(generated, target);
  const auto app = OpenInNewExcel(generated);
  QuitOnExit quit(app);
  // The sheet tells which variant of the Basic macro its buttons need.
  app->ActiveWorkbook().SaveAs(target, spreadsheet::formats::SaveAsCode(*format),
                               TemplateBasicModules(generator::SheetMacroVariant(*app)));
}

}  // namespace automation
