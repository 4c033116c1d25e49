#include "app/entry_points.h"
#include "app/program_run.h"

// Pictures and PDFs of the command line: Qt Gui without the windows' toolkit
// and without the zip package formats' libraries, which the command hands to
// the whole program.
int main(int argc, char** argv) {
  return tallyloom::runGuarded(argc, argv, [](int count, char** args) {
    return tallyloom::runCommandLine(count, args);
  });
}
