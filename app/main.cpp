#include "app/entry_points.h"

// With arguments Tallyloom is a command-line tool; without, the desktop program.
int main(int argc, char** argv) {
  if (argc > 1) return tallyloom::runCommandLine(argc, argv);
  return tallyloom::runDesktop(argc, argv);
}
