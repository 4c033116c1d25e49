#pragma once

namespace tallyloom {

// Runs `road` (the desktop, the command line) under the run's guards: closed
// standard streams held, signals that remove the run's temporary files,
// failures that print one line, equal hashing from run to run. Returns its
// exit code.
int runGuarded(int argc, char** argv, int (*road)(int argc, char** argv));

}  // namespace tallyloom
