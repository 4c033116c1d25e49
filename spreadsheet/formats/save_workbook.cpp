#include "spreadsheet/formats/save_workbook.h"

#include "spreadsheet/formats/package_formats.h"
#include "spreadsheet/io/whole_file.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/xls/workbook_file.h"

namespace spreadsheet::formats {

std::vector<std::uint8_t> WriteWorkbookBytes(const Workbook& book, WorkbookFormat format,
                                             const std::vector<ods::BasicModule>& basic) {
  if (format == WorkbookFormat::Xls) return xls::writeWorkbook(book);
  return WritePackageBytes(book, format, basic);
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
