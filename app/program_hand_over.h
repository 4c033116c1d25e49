#pragma once

namespace tallyloom {

// Whether the arguments ask for what only the whole program does: the windows
// (no arguments), a picture or a PDF (they need Qt Gui and its fonts), or a
// workbook in a zip package format (.xlsx, .xlsm, .ods). Arguments that do not
// parse are the command line's to refuse.
bool wholeProgramNeeded(int argc, char** argv);

// Replaces this process by the whole program, installed in the private
// folder (the same place relative to this program in the build tree), with
// the same arguments, environment and descriptors. Returns only when it
// cannot start: then prints why in one line and exits with 1.
[[noreturn]] void runWholeProgram(char** argv);

}  // namespace tallyloom
