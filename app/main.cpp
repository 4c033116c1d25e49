#include "app/entry_points.h"
#include "app/program_run.h"

// The whole program: with arguments the command line, pictures and PDFs
// included; without, the desktop program.
int main(int argc, char** argv) {
  return tallyloom::runGuarded(argc, argv, [](int count, char** args) {
    return count > 1 ? tallyloom::runCommandLine(count, args) : tallyloom::runDesktop(count, args);
  });
}
