#pragma once
#include <vector>

#include "spreadsheet/vba/macro_project.h"

namespace spreadsheet::vba {

// The class id the PROJECT stream gives the project; fixed so that equal
// projects give equal bytes.
inline constexpr std::string_view kProjectClassId = "{5B3C9E40-7A21-4D86-9F1C-2E8B6A0D4C17}";

// The PROJECT stream: a text of properties (ID, one Document= or Module= line
// per module, Name, protection values) and the host extender section.
std::vector<unsigned char> projectStreamText(const std::vector<MacroModule>& modules);

// The PROJECTwm stream: each module name in the code page and in UTF-16.
std::vector<unsigned char> projectNameMap(const std::vector<MacroModule>& modules);

}  // namespace spreadsheet::vba
