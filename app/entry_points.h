#pragma once

namespace tallyloom {

struct CommandLineDrawing;

// `tallyloom generate ...` and `tallyloom --help`: the command line, the
// picture and the PDF included. Returns the exit code.
int runCommandLine(int argc, char** argv);

// The same with the given drawing, or none: then a picture or a PDF is
// refused before anything is written (the installed command hands such runs
// to the whole program before it gets here).
int runCommandLine(int argc, char** argv, const CommandLineDrawing* drawing);

// No arguments: the desktop program with its main window. Returns the exit code.
int runDesktop(int argc, char** argv);

}  // namespace tallyloom
