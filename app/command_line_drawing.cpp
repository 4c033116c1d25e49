#include "app/command_line_drawing.h"

#include <QGuiApplication>

#include "app/command_line_outputs.h"
#include "app/entry_points.h"
#include "automation/excel1.h"
#include "spreadsheet/picture/font_check.h"

namespace tallyloom {

namespace {

std::unique_ptr<QCoreApplication> makeGraphicalApplication(int& argc, char** argv) {
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

const CommandLineDrawing& commandLineDrawing() {
  static const CommandLineDrawing drawing{
      makeGraphicalApplication, spreadsheet::picture::missingFont,
      spreadsheet::picture::missingPageFont, automation::SaveUsedRangePicture,
      automation::SavePagePdf};
  return drawing;
}

int runCommandLine(int argc, char** argv) {
  return runCommandLine(argc, argv, &commandLineDrawing());
}

}  // namespace tallyloom
