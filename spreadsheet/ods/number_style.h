#pragma once
#include <string>

#include "spreadsheet/ods/xml_writer.h"

namespace spreadsheet::ods {

// Writes the data style named `name` for an Excel number format code as
// number:*-style elements: a date or time style, a percentage or number
// style. Sections beyond the first become mapped styles "<name>P0".. chosen
// by the value's sign, as the application picks sections; a text section
// ('@') becomes the main style, a text style, that maps every number to a
// numeric section. A "[$-409]" locale gives every style its language and
// country. Literal text, grouping, decimal
// places and leading zeros are kept; fills ('*') are dropped. Returns false,
// writing nothing, for "General", which needs no data style.
bool writeNumberStyle(XmlWriter& xml, const std::string& name, const std::string& code);

}  // namespace spreadsheet::ods
