#pragma once
#include <string>

namespace tallyloom {

// For the whole run: a failure that would otherwise abort the program (Qt's
// fatal messages such as a missing display or no file descriptors left, an
// exception nobody caught, std::terminate) prints one line "tallyloom: ...",
// removes the run's temporary files and folders and exits with 1. Qt's font
// engine's "load glyph failed" of a damaged font is printed once, not per glyph.
void installFailureExits();

// Qt's messages while its application object starts are held back: when the
// start fails they only explain the one line printed. Once the object stands,
// call this to print what was held and stop holding.
void applicationStarted();

// Prints "tallyloom: <message>", removes the run's temporary files and exits 1.
[[noreturn]] void failRun(const std::string& message);

}  // namespace tallyloom
