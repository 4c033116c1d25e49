#include "app/whole_program.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/command_line_options.h"
#include "app/command_line_outputs.h"
#include "spreadsheet/formats/workbook_format.h"
#include "tallyloom/build_info.h"

namespace tallyloom {

namespace {

// The link of the running executable, so a program reached through a link or
// moved with its prefix still finds the whole program beside its own folder.
std::string wholeProgramPath() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::filesystem::path folder = error ? std::filesystem::path(".") : self.parent_path();
  return (folder / build::kWholeProgramFromCommand).lexically_normal().string();
}

}  // namespace

bool wholeProgramNeeded(int argc, char** argv) {
  if (argc <= 1) return true;
  const std::vector<std::string> args(argv + 1, argv + argc);
  const ParsedCommandLine parsed = parseCommandLine(args);
  if (!parsed.request) return false;
  const auto format = spreadsheet::formats::FormatForOutput(parsed.request->output);
  return needsGraphics(*parsed.request) ||
         (format && *format != spreadsheet::formats::WorkbookFormat::Xls);
}

void runWholeProgram(char** argv) {
  const std::string path = wholeProgramPath();
  ::execv(path.c_str(), argv);
  const int error = errno;
  std::fprintf(stderr, "tallyloom: cannot start %s (the windows, pictures and PDFs): %s\n",
               path.c_str(), std::strerror(error));
  std::exit(1);
}

}  // namespace tallyloom
