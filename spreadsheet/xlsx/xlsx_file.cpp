#include "spreadsheet/xlsx/xlsx_file.h"

#include <memory>
#include <new>
#include <string>

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/io/private_folder.h"
#include "spreadsheet/io/temporary_folder.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/xlsx/app_properties.h"
#include "spreadsheet/xlsx/button_drawings.h"
#include "spreadsheet/xlsx/library_messages.h"
#include "spreadsheet/xlsx/package_proof.h"
#include "spreadsheet/xlsx/vba_project_bin.h"

namespace spreadsheet::xlsx {

namespace {

// A fixed creation time keeps equal workbooks' bytes equal (2000-01-01 UTC).
constexpr time_t kFixedCreationTime = 946684800;

struct WorkbookCloser {
  void operator()(lxw_workbook* book) const {
    // Freeing without writing: a failed write leaves no half file behind us.
    if (book) lxw_workbook_free(book);
  }
};
using WorkbookHandle = std::unique_ptr<lxw_workbook, WorkbookCloser>;

// The library builds the package from working files in the temporary folder,
// so a failure there is most often that folder's: the message names it, with
// the system's reason when there is one.
[[noreturn]] void failedInWorkingFolder(const std::string& why, bool systemReason) {
  throw Error("Cannot write the workbook: its working files in the temporary folder \"" +
              io::temporaryFolder() + "\" could not be written whole (" + why + ")" +
              (systemReason ? "." : "; the folder may be full or write-protected."));
}

// Closing writes the package; the library's own reason is the system's, when it gives one.
void closeWorkbook(WorkbookHandle target, LibraryMessages& messages) {
  const lxw_error closed = workbook_close(target.release());
  if (closed == LXW_ERROR_MEMORY_MALLOC_FAILED) throw std::bad_alloc();
  if (closed == LXW_NO_ERROR) return;
  const std::string system = messages.systemError();
  if (!system.empty()) failedInWorkingFolder(system, true);
  failedInWorkingFolder(lxw_strerror(closed), false);
}

// Column widths count digits of the Normal style's font, so it must be the
// workbook's default font (Arial 10) rather than the library's Calibri 11. The
// library has no setting for it; its first format is that style's.
void useDefaultFont(lxw_workbook* target, const Font& font) {
  lxw_format* normal = STAILQ_FIRST(target->formats);
  if (!normal) throw Error("Cannot write the workbook: the library has no default format.");
  format_set_font_name(normal, font.name.c_str());
  format_set_font_size(normal, font.size);
}

void writeNames(lxw_workbook* target, const Workbook& book) {
  for (const DefinedName& name : book.names()) {
    // The print area is the sheet's page setup, written with it.
    if (sameName(name.name, "Print_Area")) continue;
    const std::string formula =
        formula::print(name.formula, formula::Notation::A1, CellAddress{1, 1});
    std::string qualified = name.name;
    if (name.sheetScope > 0)
      qualified =
          book.sheet(static_cast<std::size_t>(name.sheetScope - 1)).name() + "!" + name.name;
    check(workbook_define_name(target, qualified.c_str(), formula.c_str()), "a defined name");
  }
}

void addMacroProject(lxw_workbook* target, const Workbook& book, const io::PrivateFolder& folder) {
  if (!book.macroProject())
    throw Error("Cannot write the workbook: a macro-enabled workbook needs the workbook's macros.");
  const std::string path = folder.pathOf("vbaProject.bin");
  io::writeFileBytes(path, vbaProjectBin(*book.macroProject()));
  check(workbook_add_vba_project(target, path.c_str()), "the macro project");
  if (!book.codeName().empty())
    check(workbook_set_vba_name(target, book.codeName().c_str()), "a code name");
}

}  // namespace

std::vector<std::uint8_t> writeXlsx(const Workbook& book, Macros macros) {
  io::PrivateFolder folder;
  LibraryMessages messages;
  const std::string output = folder.pathOf("workbook.xlsx");
  std::string tmpdir = folder.path();
  lxw_workbook_options options{};
  options.tmpdir = tmpdir.data();
  WorkbookHandle target(workbook_new_opt(output.c_str(), &options));
  if (!target) throw Error("Cannot write the workbook: the library could not start one.");
  lxw_doc_properties properties{};
  properties.created = kFixedCreationTime;
  check(workbook_set_properties(target.get(), &properties), "the document properties");

  useDefaultFont(target.get(), book.defaultFont());
  CellFormats formats(target.get(), book);
  for (std::size_t i = 0; i < book.sheetCount(); ++i) {
    const Worksheet& sheet = book.sheet(i);
    lxw_worksheet* page = workbook_add_worksheet(target.get(), sheet.name().c_str());
    if (!page)
      throw Error("Cannot write the workbook: the sheet name \"" + sheet.name() +
                  "\" was refused.");
    writeSheet(page, sheet, formats, macros);
  }
  writeNames(target.get(), book);
  if (macros == Macros::Kept) addMacroProject(target.get(), book, folder);
  // workbook_close writes the file and frees the workbook either way.
  closeWorkbook(std::move(target), messages);
  // The library does not check its writes of the parts: the package is proved
  // whole before anything reads or rewrites it.
  std::vector<std::uint8_t> package = io::readFileBytes(output);
  if (const auto fault = packageFault(package)) failedInWorkingFolder(*fault, false);
  // Rewrites of parts of the finished package, on the proved bytes.
  package = nameOurApplication(package);
  if (macros == Macros::Kept) package = finishButtonDrawings(package, book);
  return package;
}

}  // namespace spreadsheet::xlsx
