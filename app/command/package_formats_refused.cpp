// The command writes the .xls only: the formats that are zip packages are the
// whole program's (wholeProgramNeeded hands those runs over), so libzip and
// libxlsxwriter are not loaded here. Linked in place of the engine's own
// definition.
#include "spreadsheet/formats/package_formats.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::formats {

std::vector<std::uint8_t> WritePackageBytes(const Workbook&, WorkbookFormat format,
                                            const std::vector<ods::BasicModule>&) {
  throw Error("Cannot save the workbook: this program does not write " +
              std::string(EntryOf(format).ending) + " files.");
}

}  // namespace spreadsheet::formats
