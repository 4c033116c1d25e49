#include <QCoreApplication>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line_options.h"
#include "app/command_line_outputs.h"
#include "app/entry_points.h"
#include "app/failure_exit.h"
#include "generator/generate_workbook.h"
#include "generator/options.h"
#include "platform/settings_store.h"
#include "platform/standard_streams.h"
#include "platform/temporary_folder.h"
#include "resources/basic/basic_modules.h"
#include "spreadsheet/formats/save_workbook.h"
#include "spreadsheet/io/whole_file.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/picture/font_check.h"
#include "tallyloom/build_info.h"

namespace tallyloom {

namespace {

void printError(const std::string& message) {
  std::fprintf(stderr, "tallyloom: %s\n", message.c_str());
}

// Whether an option of the request replaces the stored value of `key`.
bool overridden(const CommandLineRequest& request, const std::string& key) {
  for (const auto day : generator::kDayNames)
    if (key == day) return request.days.has_value();
  for (const auto field : generator::kFieldKeys)
    if (key == field) return request.fields.has_value();
  if (key == generator::kWeeksKey) return request.weeks.has_value();
  if (key == generator::kShiftsKey) return request.shifts.has_value();
  return false;  // the settings file as a whole
}

// The choices the desktop program stored. A stored value that cannot be used
// is an error unless an option replaces it; throws naming the keys and the file.
generator::LayoutChoices storedChoices(const CommandLineRequest& request) {
  generator::ChoiceState controls;
  platform::SettingsStore& store = platform::settingsStore();
  std::vector<generator::BadStoredValue> bad = generator::RestoreChoices(controls, store);
  std::erase_if(bad, [&](const auto& b) { return overridden(request, b.key); });
  if (!bad.empty()) throw generator::ChoiceError(generator::BadStoredValuesText(bad, store));
  generator::CollectChoices(controls);
  generator::LayoutChoices choices = generator::CurrentLayoutChoices(controls);
  if (choices.weekIndex < 0) choices.weekIndex = 0;  // nothing selected: the list's first entry
  if (choices.shiftIndex < 0) choices.shiftIndex = 0;
  return choices;
}

int generate(const CommandLineRequest& request) {
  generator::LayoutChoices choices;
  try {
    choices = request.fromSettings ? storedChoices(request) : generator::DefaultLayoutChoices();
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
  // Without a font that draws text, the picture and the page would come out
  // without it: refused before any file is written or replaced.
  if (needsGraphics(request))
    if (const auto missing = spreadsheet::picture::missingFont()) {
      printError("cannot draw the picture or the PDF: " + *missing);
      return 1;
    }
  // The .xls is generated in a folder of this run's own and the output made
  // from it (copied whole, or converted as the preview window saves other
  // formats); the picture, the PDF and the summary read this run's .xls, never
  // the output, which a parallel run may have replaced meanwhile.
  const auto format = spreadsheet::formats::FormatForOutput(request.output);
  std::string workbook;
  std::optional<platform::OwnTemporaryFolder> folder;
  try {
    folder.emplace();
    workbook = folder->pathOf("generated.xls");
    generator::GenerateWorkbook(choices, workbook);
    if (format == spreadsheet::formats::WorkbookFormat::Xls)
      spreadsheet::io::copyWholeFile(workbook, request.output);
    else
      spreadsheet::formats::ConvertWorkbookFile(workbook, request.output, *format,
                                                TemplateBasicModules());
  } catch (const std::exception& e) {
    printError("cannot write " + request.output + ": " + e.what());
    return 1;
  }
  return writeOutputs(request, choices, workbook);
}

int runRequest(int argc, char** argv) {
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
  applicationStarted();
  if (parsed.request->kind == CommandLineRequest::Kind::Help) {
    std::fputs(commandLineHelp().c_str(), stdout);
    return 0;
  }
  return generate(*parsed.request);
}

}  // namespace

int runCommandLine(int argc, char** argv) {
  const int code = runRequest(argc, argv);
  // A summary or help text that did not arrive is a failure like any other.
  if (const std::string failure = platform::standardOutputFailure(); !failure.empty()) {
    printError("cannot write to standard output: " + failure);
    return 1;
  }
  return code;
}

}  // namespace tallyloom
