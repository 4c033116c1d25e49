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
std::string programPath(const char* fromCommand) {
  const std::string self = platform::runningProgramFile();
  const std::filesystem::path folder =
      self.empty() ? std::filesystem::path(".") : std::filesystem::path(self).parent_path();
  return (folder / fromCommand).lexically_normal().string();
}

}  // namespace

HandOver handOverFor(int argc, char** argv) {
  if (argc <= 1) return HandOver::Whole;
  const std::vector<std::string> args(argv + 1, argv + argc);
  const ParsedCommandLine parsed = parseCommandLine(args);
  if (!parsed.request) return HandOver::None;
  const auto format = spreadsheet::formats::FormatForOutput(parsed.request->output);
  if (format && *format != spreadsheet::formats::WorkbookFormat::Xls) return HandOver::Whole;
  return needsGraphics(*parsed.request) ? HandOver::Drawing : HandOver::None;
}

void handOver(HandOver to, char** argv) {
  const bool drawing = to == HandOver::Drawing;
  const std::string path =
      programPath(drawing ? build::kDrawingProgramFromCommand : build::kWholeProgramFromCommand);
  const std::string why = platform::replaceRunningProgram(path, argv);
  std::fprintf(stderr, "tallyloom: cannot start %s (%s): %s\n", path.c_str(),
               drawing ? "it draws pictures and PDFs"
                       : "it shows the windows, draws pictures and PDFs and writes .xlsx, .xlsm "
                         "and .ods",
               why.c_str());
  std::exit(1);
}

}  // namespace tallyloom
