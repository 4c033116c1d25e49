#pragma once
#include <string>

#include "spreadsheet/model/workbook.h"

namespace spreadsheet::ods {

// styles.xml: the default cell style in the workbook's default font, and per
// sheet a page layout (paper, orientation, margins, scale) with its master page.
std::string stylesXml(const Workbook& book);

}  // namespace spreadsheet::ods
