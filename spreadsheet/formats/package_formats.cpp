#include "spreadsheet/formats/package_formats.h"

#include "spreadsheet/model/error.h"
#include "spreadsheet/ods/ods_file.h"
#include "spreadsheet/xlsx/xlsx_file.h"

namespace spreadsheet::formats {

std::vector<std::uint8_t> WritePackageBytes(const Workbook& book, WorkbookFormat format,
                                            const std::vector<ods::BasicModule>& basic) {
  switch (format) {
    case WorkbookFormat::Xls:
      break;
    case WorkbookFormat::Xlsx:
      return xlsx::writeXlsx(book, xlsx::Macros::LeftOut);
    case WorkbookFormat::Xlsm:
      return xlsx::writeXlsx(book, xlsx::Macros::Kept);
    case WorkbookFormat::Ods:
      return ods::writeOds(book, basic);
  }
  throw Error("Cannot save the workbook: unknown file format.");
}

}  // namespace spreadsheet::formats
