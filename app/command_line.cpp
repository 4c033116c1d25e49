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
#include "automation/save_result.h"
#include "generator/generate_workbook.h"
#include "platform/temporary_folder.h"
#include "tallyloom/build_info.h"

namespace tallyloom {

namespace {

void printError(const std::string& message) {
  std::fprintf(stderr, "tallyloom: %s\n", message.c_str());
}

int generate(const CommandLineRequest& request) {
  const ResolvedChoices resolved = resolveChoices(request);
  if (resolved.exitCode != 0) {
    printError(resolved.message);
    return resolved.exitCode;
  }
  const generator::LayoutChoices& choices = resolved.choices;
  // The .xls is generated in a folder of this run's own and the output made
  // from it (copied whole, or converted as the preview window saves other
  // formats); the picture, the PDF and the summary read this run's .xls, never
  // the output, which a parallel run may have replaced meanwhile.
  std::string workbook;
  std::optional<platform::OwnTemporaryFolder> folder;
  try {
    folder.emplace();
    workbook = folder->filePath("generated.xls").toStdString();
    generator::GenerateWorkbook(choices, workbook);
    automation::SaveGeneratedWorkbook(workbook, request.output);
  } catch (const std::exception& e) {
    printError("cannot write " + request.output + ": " + e.what());
    return 1;
  }
  return writeOutputs(request, choices, workbook);
}

}  // namespace

int runCommandLine(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  const ParsedCommandLine parsed = parseCommandLine(args);
  if (parsed.error) {
    printError(parsed.error->message);
    return 2;
  }
  if (parsed.request->kind == CommandLineRequest::Kind::Version) {
    std::printf("tallyloom %s\n", build::kVersion);
    return 0;
  }
  // Qt's settings and temporary files want an application object, pictures a
  // graphical one; the desktop tests may already have one.
  std::unique_ptr<QCoreApplication> app;
  if (!QCoreApplication::instance())
    app = makeCommandLineApplication(argc, argv, needsGraphics(*parsed.request));
  if (parsed.request->kind == CommandLineRequest::Kind::Help) {
    std::fputs(commandLineHelp().c_str(), stdout);
    return 0;
  }
  return generate(*parsed.request);
}

}  // namespace tallyloom
