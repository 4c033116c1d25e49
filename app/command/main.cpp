#include "app/entry_points.h"
#include "app/program_hand_over.h"
#include "app/program_run.h"

// The installed `tallyloom`: the command line without the desktop toolkit, so
// that `tallyloom generate` starts in a few milliseconds. The windows, the
// pictures, the PDFs and the zip package formats are the whole program's,
// which takes this process over.
int main(int argc, char** argv) {
  // Before anything else: the whole program meets the process as it was started.
  if (tallyloom::wholeProgramNeeded(argc, argv)) tallyloom::runWholeProgram(argv);
  return tallyloom::runGuarded(argc, argv, [](int count, char** args) {
    return tallyloom::runCommandLine(count, args, nullptr);
  });
}
