#include "app/program_run.h"

#include <QHashSeed>
#include <cerrno>
#include <new>

#include "platform/error_text.h"

#include "app/failure_exit.h"
#include "platform/run_signals.h"
#include "platform/standard_streams.h"

namespace tallyloom {

int runGuarded(int argc, char** argv, int (*road)(int argc, char** argv)) {
  platform::holdClosedStandardStreams();
  platform::installRunSignals();
  installFailureExits();
  // Qt's hashes order what its writers emit (the fonts of a PDF among them);
  // a fixed seed makes equal sheets give equal files from run to run.
  QHashSeed::setDeterministicGlobalSeed();
  try {
    return road(argc, argv);
  } catch (const std::bad_alloc&) {
    failRun("cannot go on: " + platform::systemReasonText(ENOMEM));
  }
}

}  // namespace tallyloom
