#pragma once
#include <QCoreApplication>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/command_line_drawing.h"
#include "app/command_line_options.h"
#include "generator/time_sheet.h"

namespace tallyloom {

// Why a program without a drawing refuses a picture or a PDF.
inline constexpr char kNoDrawing[] = "this program draws no pictures or pages";

// Prints "tallyloom: " and the message on standard error.
void printCommandLineError(const std::string& message);

// Why the picture or the PDF of `request` cannot be drawn here, as the message
// to print ("cannot draw the picture or the PDF: ..."): no drawing, or no
// font that draws text (the picture asks Qt's font database, the PDF reads
// its fonts' files). Nullopt when they can.
std::optional<std::string> drawingRefusal(const CommandLineRequest& request,
                                          const CommandLineDrawing* drawing);

// Whether the request draws (a picture or a PDF) and so needs fonts, which
// exist only with a graphical application object.
bool needsGraphics(const CommandLineRequest& request);

// The application object of the command line: the drawing's graphical one
// when `drawing` is given, which runs on the offscreen platform unless
// QT_QPA_PLATFORM names another (the command line shows no window and must
// work without a display); else a QCoreApplication.
std::unique_ptr<QCoreApplication> makeCommandLineApplication(int& argc, char** argv,
                                                             const CommandLineDrawing* drawing);

// What `--json` reports of one generation.
struct OutputSummary {
  std::string workbook;                // absolute paths
  std::optional<std::string> picture;  // nullopt when not asked for
  std::optional<std::string> pdf;
  std::optional<std::string> html;
  // The choices with a JSON name, in the option table's order, each as its
  // JSON value ("days": ["Monday", ...], "weeks": 1).
  std::vector<std::pair<std::string, std::string>> choices;
  std::string usedRange;  // A1 text, "A1:BD295"
  std::string printArea;
};

// The summary as one line of JSON, with a line feed.
std::string summaryJson(const OutputSummary& summary);

// After the workbook of `request` is written: reopens `generated`, the .xls
// the generation wrote (the output itself, or the one it was made from), as
// the preview does, and writes the picture of its used range and the PDF of
// its print area through `drawing` and the web page of its print area when
// asked for, then prints the summary
// when asked for. Each file is whole or absent. Returns the exit code: 0, or 1
// after printing every failure (a picture or PDF without a drawing among them).
int writeOutputs(const CommandLineRequest& request, const generator::LayoutChoices& choices,
                 const std::string& generated, const CommandLineDrawing* drawing);

}  // namespace tallyloom
