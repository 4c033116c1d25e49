#include "spreadsheet/formats/save_workbook.h"

#include "spreadsheet/io/whole_file.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/ods/ods_file.h"
#include "spreadsheet/xls/workbook_file.h"
#include "spreadsheet/xlsx/xlsx_file.h"

namespace spreadsheet::formats {

std::vector<std::uint8_t> WriteWorkbookBytes(const Workbook& book, WorkbookFormat format,
                                             const std::vector<ods::BasicModule>& basic) {
  switch (format) {
    case WorkbookFormat::Xls:
      return xls::writeWorkbook(book);
    case WorkbookFormat::Xlsx:
      return xlsx::writeXlsx(book, xlsx::Macros::LeftOut);
    case WorkbookFormat::Xlsm:
      return xlsx::writeXlsx(book, xlsx::Macros::Kept);
    case WorkbookFormat::Ods:
      return ods::writeOds(book, basic);
  }
  throw Error("Cannot save the workbook: unknown file format.");
}

void SaveWorkbook(const Workbook& book, const std::string& path, WorkbookFormat format,
                  const std::vector<ods::BasicModule>& basic) {
  // The .xls keeps its own writer's checks and messages.
  if (format == WorkbookFormat::Xls) return xls::saveWorkbook(book, path);
  if (path.empty() || path.back() == '/')
    throw Error("Cannot save the workbook: the file name is missing.");
  const std::vector<std::uint8_t> bytes = WriteWorkbookBytes(book, format, basic);
  io::writeWholeFile(path, bytes);
}

void ConvertWorkbookFile(const std::string& from, const std::string& to, WorkbookFormat format,
                         const std::vector<ods::BasicModule>& basic) {
  const std::unique_ptr<Workbook> book = xls::openWorkbook(from);
  SaveWorkbook(*book, to, format, basic);
}

}  // namespace spreadsheet::formats
