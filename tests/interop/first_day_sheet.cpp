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
    auto app = spreadsheet::api::Application::create();
    auto book = generator::OpenTemplate(*app, dir.filePath("template.xls").toStdString());
    generator::KeepOneTimeSheet(*app);
    const auto sheet = generator::BuildSheetLayout(*app, std::stoi(argv[1]), choices);
    generator::AddAllSameAsPreviousButtons(*app, sheet);
    generator::SelectStartCells(*app);
    book->SaveAs(xls, spreadsheet::xl::Excel8);
    app->Quit();
    spreadsheet::formats::ConvertWorkbookFile(
        xls, argv[4], spreadsheet::formats::WorkbookFormat::Ods,
        TemplateBasicModules({sheet.options().language, sheet.options().protectFormulas}));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "first_day_sheet: %s\n", e.what());
    return 1;
  }
  return 0;
}
