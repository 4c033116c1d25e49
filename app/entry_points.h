#pragma once

namespace tallyloom {

// `tallyloom generate ...` and `tallyloom --help`: the command line. Returns the exit code.
int runCommandLine(int argc, char** argv);

// No arguments: the desktop program with its main window. Returns the exit code.
int runDesktop(int argc, char** argv);

}  // namespace tallyloom
