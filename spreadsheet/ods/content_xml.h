#pragma once
#include <map>
#include <string>

#include "spreadsheet/model/workbook.h"

namespace spreadsheet::ods {

// The script a sheet's button runs, by sheet index and button index; a button
// without one is written unbound.
using ButtonScripts = std::map<std::pair<std::size_t, std::size_t>, std::string>;

// content.xml: automatic styles, each sheet as a table (columns, rows, cells
// with values, formulas and cached results, merges, validations, form
// buttons anchored at their cells, print ranges) and the defined names.
std::string contentXml(const Workbook& book, const ButtonScripts& scripts);

// The name of the master page of sheet `index` (0-based), as styles.xml
// defines it.
std::string masterPageName(std::size_t index);

}  // namespace spreadsheet::ods
