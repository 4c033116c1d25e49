#include <QHashSeed>
#include <new>

#include "app/entry_points.h"
#include "app/failure_exit.h"
#include "platform/run_signals.h"
#include "platform/standard_streams.h"

// With arguments Tallyloom is a command-line tool; without, the desktop program.
int main(int argc, char** argv) {
  platform::holdClosedStandardStreams();
  platform::installRunSignals();
  tallyloom::installFailureExits();
  // Qt's hashes order what its writers emit (the fonts of a PDF among them);
  // a fixed seed makes equal sheets give equal files from run to run.
  QHashSeed::setDeterministicGlobalSeed();
  try {
    if (argc > 1) return tallyloom::runCommandLine(argc, argv);
    return tallyloom::runDesktop(argc, argv);
  } catch (const std::bad_alloc&) {
    tallyloom::failRun("cannot go on: out of memory");
  }
}
