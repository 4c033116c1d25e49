// libFuzzer entry: the sheet options as a user could give them. The input is
// one line per sheet option of the option table, in its order ("\x01" leaves
// the option at its default), then the number of weeks. Values the options
// refuse end the run; accepted ones must give every workbook format: each XML
// part of the .xlsx, .xlsm and .ods well formed to a strict parser (libxml2),
// and the .xls readable by our own reader.
#include <libxml/parser.h>
#include <zip.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "automation/excel1.h"
#include "generator/generate_workbook.h"
#include "generator/sheet_macros.h"
#include "generator/sheet_option_entries.h"
#include "generator/time_sheet.h"
#include "resources/basic/basic_modules.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/formats/save_workbook.h"
#include "spreadsheet/io/private_folder.h"
#include "spreadsheet/io/whole_file.h"
#include "spreadsheet/xls/workbook_file.h"

namespace {

[[noreturn]] void finding(const std::string& what) {
  std::fprintf(stderr, "sheet options: %s\n", what.c_str());
  std::abort();
}

std::string_view nextLine(std::string_view& text) {
  const auto end = text.find('\n');
  const std::string_view line = text.substr(0, end);
  text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
  return line;
}

// Markup: what an entry's bytes begin with, after a byte-order mark.
bool isMarkup(const std::string& bytes) {
  std::string_view b = bytes;
  if (b.starts_with("\xEF\xBB\xBF")) b.remove_prefix(3);
  return b.starts_with("<");
}

void checkXml(const std::string& part, const std::string& bytes) {
  const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
  xmlDocPtr doc = xmlReadMemory(bytes.data(), int(bytes.size()), part.c_str(), nullptr, options);
  if (!doc) finding(part + " is not well-formed XML");
  xmlFreeDoc(doc);
}

// Every markup entry of a zip package parses.
void checkPackage(const std::string& format, const std::vector<std::uint8_t>& package) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(package.data(), package.size(), 0, &error);
  zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
  if (!archive) finding(format + ": the package does not open");
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t st;
    const auto index = static_cast<zip_uint64_t>(i);
    if (zip_stat_index(archive, index, 0, &st) != 0) finding(format + ": an entry cannot be read");
    std::string bytes(static_cast<std::size_t>(st.size), '\0');
    zip_file_t* file = zip_fopen_index(archive, index, 0);
    if (!file || zip_fread(file, bytes.data(), st.size) != zip_int64_t(st.size))
      finding(format + ": " + st.name + " cannot be read");
    zip_fclose(file);
    if (isMarkup(bytes)) checkXml(format + ":" + st.name, bytes);
  }
  zip_close(archive);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  generator::LayoutChoices choices = generator::DefaultLayoutChoices();
  for (const generator::OptionEntry& option : generator::SheetOptionEntries()) {
    const std::string_view line = nextLine(text);
    if (line == "\x01" || (line.empty() && text.empty())) continue;
    if (!option.read(line, choices.sheet)) return 0;  // refused: nothing is written
  }
  const std::string_view weeks = nextLine(text);
  if (weeks.size() == 1 && weeks[0] >= '1' && weeks[0] <= '4') choices.weekIndex = weeks[0] - '1';

  using spreadsheet::formats::WorkbookFormat;
  try {
    const spreadsheet::io::PrivateFolder folder;
    const std::string xls = folder.path() + "/generated.xls";
    generator::GenerateWorkbook(choices, xls, folder.path() + "/template.xls");
    const auto app = automation::OpenInNewExcel(xls);  // our reader
    const automation::QuitOnExit quit(app);
    const auto basic = TemplateBasicModules(generator::SheetMacroVariant(*app));
    const spreadsheet::Workbook& book = app->ActiveWorkbook().model();
    checkPackage("xlsx", spreadsheet::formats::WriteWorkbookBytes(book, WorkbookFormat::Xlsx));
    checkPackage("xlsm", spreadsheet::formats::WriteWorkbookBytes(book, WorkbookFormat::Xlsm));
    checkPackage("ods", spreadsheet::formats::WriteWorkbookBytes(book, WorkbookFormat::Ods, basic));
  } catch (const std::exception& e) {
    finding(std::string("accepted values that cannot be written: ") + e.what());
  }
  return 0;
}
