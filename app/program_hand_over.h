#pragma once
#include <string>

namespace tallyloom {

// Whether the arguments ask for what only the whole program does: the windows
// (no arguments) or a workbook in a zip package format (.xlsx, .xlsm, .ods),
// pictures and PDFs included. Arguments that do not parse are the command
// line's to refuse. (A picture or a PDF beside an .xls is the drawing
// program's, which works beside the command: see DrawingPartner.)
bool wholeProgramNeeded(int argc, char** argv);

// Replaces this process by the whole program, installed in the private
// folder (the same place relative to this program in the build tree), with
// the same arguments, environment and descriptors. Returns only when it
// cannot start: then prints why and exits with 1.
[[noreturn]] void runWholeProgram(char** argv);

// The drawing program (pictures and PDFs with Qt Gui, without the windows'
// toolkit and the zip packages' libraries), found the same way.
std::string drawingProgramPath();

}  // namespace tallyloom
