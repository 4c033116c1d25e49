#include <QHashSeed>

#include "app/entry_points.h"

// With arguments Tallyloom is a command-line tool; without, the desktop program.
int main(int argc, char** argv) {
  // Qt's hashes order what its writers emit (the fonts of a PDF among them);
  // a fixed seed makes equal sheets give equal files from run to run.
  QHashSeed::setDeterministicGlobalSeed();
  if (argc > 1) return tallyloom::runCommandLine(argc, argv);
  return tallyloom::runDesktop(argc, argv);
}
