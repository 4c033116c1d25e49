// Helper of the interop scripts.
//   interop_sample sample OUT.xls OUT.json   writes the sample workbook and its description
//   interop_sample describe IN.xls OUT.json  describes a workbook as our reader sees it
//   interop_sample template OUT.xls OUT.json writes the embedded template and its description
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

#include "resources/template_resource.h"
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
  const std::string mode = argc == 4 ? argv[1] : "";
  if (mode != "sample" && mode != "describe" && mode != "template") {
    std::fprintf(stderr, "usage: interop_sample sample|describe|template FILE.xls OUT.json\n");
    return 2;
  }
  try {
    if (mode == "sample") {
      spreadsheet::Workbook book;
      interop::buildSampleWorkbook(book, TALLYLOOM_SOURCE_DIR "/resources/vba/Module1.bas");
      spreadsheet::xls::saveWorkbook(book, argv[2]);
      writeText(argv[3], interop::describeWorkbook(book));
    } else if (mode == "template") {
      const QByteArray bytes = TemplateResourceBytes();
      if (bytes.isEmpty()) throw spreadsheet::Error("The template resource is empty");
      writeText(argv[2], bytes.toStdString());
      writeText(argv[3], interop::describeWorkbook(*spreadsheet::xls::openWorkbook(argv[2])));
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
