#include "platform/run_signals.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include "spreadsheet/io/tracked_paths.h"

namespace platform {

namespace {

pthread_t gMainThread;

void onInterrupt(int signal) {
  // The main thread makes the run's files; it cleans up, with its own work held.
  if (!pthread_equal(pthread_self(), gMainThread)) {
    pthread_kill(gMainThread, signal);
    return;
  }
  spreadsheet::io::removeTrackedPaths();
  ::signal(signal, SIG_DFL);
  sigset_t pending;
  sigemptyset(&pending);
  sigaddset(&pending, signal);
  pthread_sigmask(SIG_UNBLOCK, &pending, nullptr);
  ::raise(signal);
}

}  // namespace

void installRunSignals() {
  gMainThread = pthread_self();
  struct sigaction action {};
  action.sa_handler = onInterrupt;
  sigemptyset(&action.sa_mask);
  for (const int signal : spreadsheet::io::interruptingSignals())
    sigaddset(&action.sa_mask, signal);
  for (const int signal : spreadsheet::io::interruptingSignals()) {
    struct sigaction before {};
    if (::sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
    ::sigaction(signal, &action, nullptr);
  }
  ::signal(SIGXFSZ, SIG_IGN);
  ::signal(SIGPIPE, SIG_IGN);
}

void endRunNow(int code) {
  spreadsheet::io::removeTrackedPaths();
  ::_exit(code);
}

}  // namespace platform
