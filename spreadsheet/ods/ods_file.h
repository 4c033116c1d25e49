#pragma once
#include <cstdint>
#include <vector>

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/ods/basic_library.h"

namespace spreadsheet::ods {

// The OpenDocument spreadsheet: a zip package with the mimetype first and
// stored, the manifest, content.xml, styles.xml and, when modules are given,
// the Basic library the buttons are bound to (see bindButtons). Cached formula
// results come from Cell::value. Equal inputs give equal bytes. Throws
// spreadsheet::Error.
std::vector<std::uint8_t> writeOds(const Workbook& book, std::vector<BasicModule> basic = {});

}  // namespace spreadsheet::ods
