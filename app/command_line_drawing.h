#pragma once
#include <QCoreApplication>
#include <memory>
#include <optional>
#include <string>

namespace spreadsheet::api {
class Workbook;
class Worksheet;
}  // namespace spreadsheet::api

namespace tallyloom {

// The command line's drawing: the picture, the PDF, the fonts they need and
// the graphical application object that has fonts. It is the only part of the
// command line that needs Qt Gui: the installed command runs the command line
// without it and hands every request that draws to the whole program
// (wholeProgramNeeded), which has it.
struct CommandLineDrawing {
  std::unique_ptr<QCoreApplication> (*makeApplication)(int& argc, char** argv);
  // Why no usable font exists for the picture, or for the PDF's page; nullopt
  // when one does.
  std::optional<std::string> (*missingFont)();
  std::optional<std::string> (*missingPageFont)();
  void (*savePicture)(const spreadsheet::api::Workbook& book, const std::string& path);
  void (*savePdf)(const spreadsheet::api::Worksheet& sheet, const std::string& path);
};

// The whole program's drawing.
const CommandLineDrawing& commandLineDrawing();

}  // namespace tallyloom
