// Writes a time sheet whose week starts on a given day, which the program
// itself does not offer yet, for the interop tests to open in LibreOffice.
// Usage: first_day_sheet FIRST_DAY DAYS WEEKS OUTPUT.ods
//   FIRST_DAY 1..7 (1 = Sunday); DAYS seven characters, Sunday first, 'x' on.
#include <QTemporaryDir>
#include <cstdio>
#include <exception>
#include <string>

#include "generator/generate_workbook.h"
#include "generator/time_sheet.h"
#include "resources/basic/basic_modules.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/formats/save_workbook.h"

int main(int argc, char** argv) {
  if (argc != 5 || std::string(argv[2]).size() != 7) {
    std::fprintf(stderr, "usage: first_day_sheet FIRST_DAY DAYS WEEKS OUTPUT.ods\n");
    return 2;
  }
  try {
    generator::LayoutChoices choices = generator::DefaultLayoutChoices();
    for (std::size_t d = 0; d < 7; ++d) choices.days[d] = argv[2][d] == 'x';
    choices.weekIndex = std::stoi(argv[3]) - 1;
    QTemporaryDir dir;
    const std::string xls = dir.filePath("sheet.xls").toStdString();
    std::shared_ptr<spreadsheet::api::Application> app;
    generator::Generation g(app);
    g.templatePath = dir.filePath("template.xls").toStdString();
    g.workbookPath = xls;
    g.startDay = std::stoi(argv[1]);
    g.choices = [&] { return choices; };
    generator::RunSteps(generator::BuildSteps(), g, nullptr);
    const generator::SheetGeometry sheet = spreadsheet::require(g.sheet);
    generator::RunSteps(generator::SaveSteps(), g, nullptr);
    spreadsheet::formats::ConvertWorkbookFile(
        xls, argv[4], spreadsheet::formats::WorkbookFormat::Ods,
        TemplateBasicModules({sheet.options().language, sheet.options().protectFormulas}));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "first_day_sheet: %s\n", e.what());
    return 1;
  }
  return 0;
}
