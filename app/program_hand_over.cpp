#include "app/program_hand_over.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/command_line_options.h"
#include "app/command_line_outputs.h"
#include "platform/program_file.h"
#include "spreadsheet/formats/workbook_format.h"
#include "tallyloom/build_info.h"

namespace tallyloom {

namespace {

// Beside the running command's own folder, so that a command reached through
// a link or moved with its prefix still finds it.
std::string wholeProgramPath() {
  const std::string self = platform::runningProgramFile();
  const std::filesystem::path folder =
      self.empty() ? std::filesystem::path(".") : std::filesystem::path(self).parent_path();
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
  std::string path = wholeProgramPath();
  // The whole program is started under its own name, so that the loader's
  // line, when it cannot map one of its libraries, names it.
  std::vector<char*> args{path.data()};
  for (char** arg = argv + 1; *arg; ++arg) args.push_back(*arg);
  args.push_back(nullptr);
  const std::string why = platform::replaceRunningProgram(path, args.data());
  std::fprintf(stderr,
               "tallyloom: cannot start %s (it shows the windows, draws pictures and PDFs and "
               "writes .xlsx, .xlsm and .ods): %s\n",
               path.c_str(), why.c_str());
  std::exit(1);
}

}  // namespace tallyloom
