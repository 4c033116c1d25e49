#pragma once
#include <ostream>

#include "spreadsheet/model/value.h"

namespace spreadsheet {

// Readable cell values in test failure messages.
inline void PrintTo(const CellValue& v, std::ostream* os) {
  if (v.isText()) {
    *os << '"' << v.text() << '"';
  } else if (v.isEmpty()) {
    *os << "(empty)";
  } else {
    *os << v.toText();
  }
}

}  // namespace spreadsheet
