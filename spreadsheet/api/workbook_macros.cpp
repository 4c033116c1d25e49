#include <algorithm>

#include "spreadsheet/api/workbook.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/vba/macro_project.h"

namespace spreadsheet::api {

namespace {

std::vector<vba::MacroModule> modulesOf(const spreadsheet::Workbook& book) {
  if (!book.macroProject()) return {};
  return vba::readMacroModules(*book.macroProject());
}

auto moduleNamed(std::vector<vba::MacroModule>& modules, const std::string& name) {
  return std::find_if(modules.begin(), modules.end(),
                      [&](const vba::MacroModule& m) { return sameName(m.name, name); });
}

}  // namespace

bool Workbook::HasModule(const std::string& name) const {
  std::vector<vba::MacroModule> modules = modulesOf(model());
  return moduleNamed(modules, name) != modules.end();
}

void Workbook::ReplaceModuleCode(const std::string& name, const std::string& code) {
  spreadsheet::Workbook& book = model();
  std::vector<vba::MacroModule> modules = modulesOf(book);
  auto it = moduleNamed(modules, name);
  if (it == modules.end()) throw Error("The workbook has no macro module \"" + name + "\".");
  it->source = code;
  book.macroProject() = vba::buildMacroProject(modules);  // builds all before it replaces
}

}  // namespace spreadsheet::api
