#include "spreadsheet/xls/workbook_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "spreadsheet/cfb/compound_file.h"
#include "spreadsheet/io/system_reason.h"
#include "spreadsheet/io/whole_file.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/xls/writer_context.h"

namespace spreadsheet::xls {

namespace {

const char* const kWorkbookStream = "Workbook";
constexpr std::size_t kMinimumStream = 4096;

}  // namespace

std::vector<std::uint8_t> writeWorkbook(const Workbook& book) {
  if (book.sheetCount() == 0)
    throw Error("A workbook must contain at least one visible worksheet.");
  checkFileLimits(book);
  WriterContext ctx(book);
  RecordWriter out;
  std::vector<std::size_t> offsetFields;
  writeGlobals(out, ctx, offsetFields);
  for (std::size_t i = 0; i < book.sheetCount(); ++i) {
    out.patchU32(offsetFields[i], static_cast<std::uint32_t>(out.position()));
    writeSheet(out, ctx, i);
  }
  cfb::StreamMap streams;
  std::vector<std::uint8_t>& stream = streams[kWorkbookStream] = out.takeBytes();
  // A short Workbook stream would go to the compound file's mini stream, which
  // some readers handle badly; zeros after the last EOF are never read.
  if (stream.size() < kMinimumStream) stream.resize(kMinimumStream, 0);
  if (book.macroProject()) {
    for (const auto& [path, data] : book.macroProject()->streams) {
      if (streams.count(path))
        throw Error("The macro project holds a stream named \"" + path + "\", which is taken.");
      streams[path] = data;
    }
  }
  return cfb::writeCompoundFile(streams);
}

void saveWorkbook(const Workbook& book, const std::string& path) {
  if (path.empty() || path.back() == '/')
    throw Error("Cannot save the workbook: the file name is missing.");
  io::writeWholeFile(path,
                     writeWorkbook(book));  // writeWorkbook refuses before the disk is touched
}

std::unique_ptr<Workbook> openWorkbook(const std::string& path) {
  std::error_code ec;
  const auto status =
      path.empty() ? std::filesystem::file_status{} : std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status))
    throw Error("'" + path +
                "' could not be found. Check the spelling of the file name, and verify that the "
                "file location is correct.");
  if (std::filesystem::is_directory(status))
    throw Error("'" + path + "' is a folder, not a workbook.");
  // A pipe or a device could make the read wait forever.
  if (!std::filesystem::is_regular_file(status))
    throw Error("'" + path + "' is not an ordinary file, so it is not read as a workbook.");
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    const int err = errno;
    throw Error(io::fileFailureText("Cannot open", path, err));
  }
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) throw Error("Cannot read '" + path + "'.");
  if (bytes.empty()) throw Error("'" + path + "' is empty and is not an Excel 97-2003 workbook.");
  return readWorkbook(bytes);
}

}  // namespace spreadsheet::xls
