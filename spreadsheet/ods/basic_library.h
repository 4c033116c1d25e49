#pragma once
#include <string>
#include <utility>
#include <vector>

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/ods/content_xml.h"

namespace spreadsheet::ods {

// A module of LibreOffice Basic source for the document's library "Standard".
struct BasicModule {
  std::string name;
  std::string source;
};

// The document's Basic library: the given modules and, when a button's
// OnAction names a Sub of them ("'CopyTimes 2'": the Sub and its numeric
// arguments), a generated module "ButtonMacros" with one argument-free Sub
// per such call, since a form button cannot pass arguments. Buttons whose
// OnAction names no Sub of the modules stay unbound.
struct BasicLibrary {
  std::vector<BasicModule> modules;
  ButtonScripts scripts;
};
BasicLibrary bindButtons(const Workbook& book, std::vector<BasicModule> modules);

// The library's files by package path ("Basic/script-lc.xml", ...); none for
// a library without modules.
std::vector<std::pair<std::string, std::string>> basicFiles(const BasicLibrary& library);

}  // namespace spreadsheet::ods
