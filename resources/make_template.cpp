// Build-time tool: writes the template workbook that the program carries as
// a resource. Usage: make_template OUTPUT.xls MODULE.bas...
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "spreadsheet/model/error.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/vba/macro_project.h"
#include "spreadsheet/xls/workbook_file.h"

namespace {

namespace vba = spreadsheet::vba;
namespace xls = spreadsheet::xls;

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw spreadsheet::Error("Cannot read " + path.string());
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// One empty sheet, the default font, and the macro modules; the document
// modules' names are the code names the workbook and its sheet carry.
void buildTemplate(spreadsheet::Workbook& book, const std::vector<std::string>& basFiles) {
  spreadsheet::Font font;
  font.name = "Arial Cyr";
  font.size = 10;
  book.setDefaultFont(font);
  book.setCodeName("ThisWorkbook");
  book.addSheet("Sheet1").setCodeName("Sheet1");

  std::vector<vba::MacroModule> modules{
      {"ThisWorkbook", true, "", std::string(vba::kWorkbookClassId)},
      {"Sheet1", true, "", std::string(vba::kWorksheetClassId)}};
  for (const std::string& file : basFiles)
    modules.push_back(
        {std::filesystem::path(file).stem().string(), false, readFile(file), std::string()});
  book.macroProject() = vba::buildMacroProject(modules);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_template OUTPUT.xls MODULE.bas...\n");
    return 2;
  }
  try {
    spreadsheet::Workbook book;
    buildTemplate(book, std::vector<std::string>(argv + 2, argv + argc));
    xls::saveWorkbook(book, argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_template: %s\n", e.what());
    return 1;
  }
  return 0;
}
