#pragma once

namespace tallyloom {

// The program that takes a run of the installed command over: none (the
// command writes the .xls itself), the drawing program (a picture or a PDF
// beside an .xls: Qt Gui without the windows' toolkit and the zip packages'
// libraries), or the whole program (the windows, when there are no arguments,
// and the zip package formats .xlsx, .xlsm and .ods). Arguments that do not
// parse are the command line's to refuse.
enum class HandOver { None, Drawing, Whole };
HandOver handOverFor(int argc, char** argv);

// Replaces this process by the given program, installed in the private
// folder (the same place relative to this program in the build tree), with
// the same arguments, environment and descriptors. Returns only when it
// cannot start: then prints why and exits with 1.
[[noreturn]] void handOver(HandOver to, char** argv);

}  // namespace tallyloom
