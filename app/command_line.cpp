#include <QCoreApplication>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line_choices.h"
#include "app/command_line_options.h"
#include "app/command_line_outputs.h"
#include "app/entry_points.h"
#include "app/failure_exit.h"
#include "automation/save_result.h"
#include "generator/generate_workbook.h"
#include "platform/error_text.h"
#include "platform/standard_streams.h"
#include "platform/temporary_folder.h"
#include "tallyloom/build_info.h"

namespace tallyloom {

namespace {

int generate(const CommandLineRequest& request, const CommandLineDrawing* drawing) {
  const ResolvedChoices resolved = resolveChoices(request);
  if (resolved.exitCode != 0) {
    printCommandLineError(resolved.message);
    return resolved.exitCode;
  }
  const generator::LayoutChoices& choices = resolved.choices;
  // Without a drawing, or without a font that draws text, the picture and the
  // page would come out without it: refused before any file is written or
  // replaced.
  if (needsGraphics(request)) {
    if (const auto refusal = drawingRefusal(request, drawing)) {
      printCommandLineError(*refusal);
      return 1;
    }
  }
  // The .xls is generated in a folder of this run's own and the output made
  // from it (copied whole, or converted as the preview window saves other
  // formats); the picture, the PDF and the summary read this run's .xls, never
  // the output, which a parallel run may have replaced meanwhile.
  std::string workbook;
  std::optional<platform::OwnTemporaryFolder> folder;
  try {
    folder.emplace();
    workbook = folder->pathOf("generated.xls");
    generator::GenerateWorkbook(choices, workbook, folder->pathOf("template.xls"));
    automation::SaveGeneratedWorkbook(workbook, request.output);
  } catch (const std::exception& e) {
    printCommandLineError("cannot write " + request.output + ": " + platform::failureReasonText(e));
    return 1;
  }
  return writeOutputs(request, choices, workbook, drawing);
}

int runRequest(int argc, char** argv, const CommandLineDrawing* drawing) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  const ParsedCommandLine parsed = parseCommandLine(args);
  if (parsed.error) {
    printCommandLineError(parsed.error->message);
    return 2;
  }
  if (parsed.request->kind == CommandLineRequest::Kind::Version) {
    std::printf("tallyloom %s\n", build::kVersion);
    return 0;
  }
  // Qt's settings and temporary files want an application object, pictures a
  // graphical one; the desktop tests may already have one.
  std::unique_ptr<QCoreApplication> app;
  const bool graphical = needsGraphics(*parsed.request) && drawing;
  if (!QCoreApplication::instance())
    app = makeCommandLineApplication(argc, argv, graphical ? drawing : nullptr);
  applicationStarted();
  if (parsed.request->kind == CommandLineRequest::Kind::Help) {
    std::fputs(commandLineHelp().c_str(), stdout);
    return 0;
  }
  const int code = generate(*parsed.request, drawing);
  // Qt's font database initialises fontconfig in its destructor only to free
  // it, reading every configuration file: milliseconds at the end of a
  // picture or PDF for nothing. The graphical application is left for the
  // process's end to reclaim; qApp keeps it reachable.
  if (graphical) (void)app.release();
  return code;
}

}  // namespace

int runCommandLine(int argc, char** argv, const CommandLineDrawing* drawing) {
  const int code = runRequest(argc, argv, drawing);
  // A summary or help text that did not arrive is a failure like any other.
  if (const std::string failure = platform::standardOutputFailure(); !failure.empty()) {
    printCommandLineError("cannot write to standard output: " + failure);
    return 1;
  }
  return code;
}

}  // namespace tallyloom
