#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line_options.h"
#include "app/command_line_outputs.h"
#include "app/entry_points.h"
#include "generator/generate_workbook.h"
#include "generator/options.h"
#include "platform/settings_store.h"
#include "resources/basic/basic_modules.h"
#include "spreadsheet/formats/save_workbook.h"
#include "spreadsheet/model/error.h"
#include "tallyloom/build_info.h"

namespace tallyloom {

namespace {

void printError(const std::string& message) {
  std::fprintf(stderr, "tallyloom: %s\n", message.c_str());
}

// The choices the desktop program stored; throws when they cannot be read.
generator::LayoutChoices storedChoices() {
  generator::ChoiceState controls;
  generator::LoadChoices(controls, platform::settingsStore());
  generator::CollectChoices(controls);
  generator::LayoutChoices choices = generator::CurrentLayoutChoices(controls);
  if (choices.weekIndex < 0) choices.weekIndex = 0;  // nothing selected: the list's first entry
  if (choices.shiftIndex < 0) choices.shiftIndex = 0;
  return choices;
}

int generate(const CommandLineRequest& request) {
  generator::LayoutChoices choices;
  try {
    choices = request.fromSettings ? storedChoices() : generator::DefaultLayoutChoices();
  } catch (const std::exception& e) {
    printError(std::string("the stored choices cannot be read: ") + e.what());
    return 1;
  }
  if (request.days) choices.days = *request.days;
  if (request.fields) choices.fields = *request.fields;
  if (request.weeks) choices.weekIndex = *request.weeks - 1;
  if (request.shifts) choices.shiftIndex = *request.shifts - 1;
  bool anyDay = false;
  for (bool day : choices.days) anyDay = anyDay || day;
  if (!anyDay) {
    printError("no day is chosen: --days needs at least one of sun,mon,tue,wed,thu,fri,sat");
    return 2;
  }
  // Other formats are made from the generated .xls read back, as the preview
  // window saves them; the .xls is then kept until the outputs are drawn.
  const auto format = spreadsheet::formats::FormatForOutput(request.output);
  QTemporaryDir folder;
  std::string workbook = request.output;
  try {
    if (format != spreadsheet::formats::WorkbookFormat::Xls) {
      if (!folder.isValid()) throw spreadsheet::Error("cannot create a temporary folder");
      workbook = folder.filePath("generated.xls").toStdString();
    }
    generator::GenerateWorkbook(choices, workbook);
    if (workbook != request.output)
      spreadsheet::formats::ConvertWorkbookFile(workbook, request.output, *format,
                                                TemplateBasicModules());
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
