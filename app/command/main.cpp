#include "app/entry_points.h"
#include "app/program_hand_over.h"
#include "app/program_run.h"

// The installed `tallyloom`: the command line without the desktop toolkit, so
// that `tallyloom generate` starts in a few milliseconds. The windows, the
// picture and the PDF are other programs', which take this process over.
int main(int argc, char** argv) {
  // Before anything else: the other program meets the process as it was started.
  if (const auto to = tallyloom::handOverFor(argc, argv); to != tallyloom::HandOver::None)
    tallyloom::handOver(to, argv);
  return tallyloom::runGuarded(argc, argv, [](int count, char** args) {
    return tallyloom::runCommandLine(count, args, nullptr);
  });
}
