#include "app/program_hand_over.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/command_line_options.h"
#include "platform/program_file.h"
#include "spreadsheet/formats/workbook_format.h"
#include "tallyloom/build_info.h"

namespace tallyloom {

namespace {

// Beside the running command's own folder, so that a command reached through
// a link or moved with its prefix still finds it.
std::string programPath(const char* fromCommand) {
  const std::string self = platform::runningProgramFile();
  const std::filesystem::path folder =
      self.empty() ? std::filesystem::path(".") : std::filesystem::path(self).parent_path();
  return (folder / fromCommand).lexically_normal().string();
}

}  // namespace

bool wholeProgramNeeded(int argc, char** argv) {
  if (argc <= 1) return true;
  const std::vector<std::string> args(argv + 1, argv + argc);
  const ParsedCommandLine parsed = parseCommandLine(args);
  if (!parsed.request) return false;
  const auto format = spreadsheet::formats::FormatForOutput(parsed.request->output);
  return format && *format != spreadsheet::formats::WorkbookFormat::Xls;
}

void runWholeProgram(char** argv) {
  const std::string path = programPath(build::kWholeProgramFromCommand);
  const std::string why = platform::replaceRunningProgram(path, argv);
  std::fprintf(stderr,
               "tallyloom: cannot start %s (it shows the windows, draws pictures and PDFs and "
               "writes .xlsx, .xlsm and .ods): %s\n",
               path.c_str(), why.c_str());
  std::exit(1);
}

std::string drawingProgramPath() { return programPath(build::kDrawingProgramFromCommand); }

}  // namespace tallyloom
