#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/vba/vba_compression.h"

namespace spreadsheet::vba {

// Host classes a document module stands for.
inline constexpr std::string_view kWorkbookClassId = "{00020819-0000-0000-C000-000000000046}";
inline constexpr std::string_view kWorksheetClassId = "{00020820-0000-0000-C000-000000000046}";

// One module of a macro project. `source` is the code; leading "Attribute VB_"
// lines in it are replaced by the ones the module's kind needs.
struct MacroModule {
  std::string name;
  bool document = false;  // a workbook or sheet module rather than a standard one
  std::string source;
  std::string baseClassId;  // document modules: kWorkbookClassId or kWorksheetClassId
  bool operator==(const MacroModule&) const = default;
};

// Stream paths of the project storage inside the compound file.
inline constexpr std::string_view kProjectStreamPath = "_VBA_PROJECT_CUR/PROJECT";
inline constexpr std::string_view kProjectNamesStreamPath = "_VBA_PROJECT_CUR/PROJECTwm";
inline constexpr std::string_view kVbaProjectStreamPath = "_VBA_PROJECT_CUR/VBA/_VBA_PROJECT";
inline constexpr std::string_view kDirStreamPath = "_VBA_PROJECT_CUR/VBA/dir";
inline constexpr std::string_view kModuleStreamFolder = "_VBA_PROJECT_CUR/VBA/";

// A source-only project (no compiled cache: the application compiles the
// source on open). Throws spreadsheet::Error, building nothing, for a module
// name that is not an identifier of at most 31 characters or is used twice,
// for source that is not plain ASCII, or for a document module without its
// host class.
MacroProject buildMacroProject(const std::vector<MacroModule>& modules);

// The modules of a project with their full source text, Attribute lines
// included, in the order of the dir stream. Throws spreadsheet::Error when a
// stream is missing or malformed.
std::vector<MacroModule> readMacroModules(const MacroProject& project);

}  // namespace spreadsheet::vba
