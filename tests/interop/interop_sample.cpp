// Helper of the interop scripts.
//   interop_sample sample OUT.xls OUT.json   writes the sample workbook and its description
//   interop_sample describe IN.xls OUT.json  describes a workbook as our reader sees it
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>

#include "sample_workbook.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/xls/workbook_file.h"

namespace {

void writeText(const char* path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  if (!out) throw spreadsheet::Error(std::string("Cannot write ") + path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || (std::strcmp(argv[1], "sample") != 0 && std::strcmp(argv[1], "describe") != 0)) {
    std::fprintf(stderr, "usage: interop_sample sample|describe FILE.xls OUT.json\n");
    return 2;
  }
  try {
    if (std::strcmp(argv[1], "sample") == 0) {
      spreadsheet::Workbook book;
      interop::buildSampleWorkbook(book, TALLYLOOM_SOURCE_DIR "/resources/vba/Module1.bas");
      spreadsheet::xls::saveWorkbook(book, argv[2]);
      writeText(argv[3], interop::describeWorkbook(book));
    } else {
      auto book = spreadsheet::xls::openWorkbook(argv[2]);
      writeText(argv[3], interop::describeWorkbook(*book));
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "interop_sample: %s\n", e.what());
    return 1;
  }
  return 0;
}
