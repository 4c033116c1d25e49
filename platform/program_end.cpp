#include "platform/program_end.h"

#include <QCoreApplication>

namespace platform {

namespace {

bool ended = false;
std::function<void()> handler;

}  // namespace

void EndProgram() {
  ended = true;
  if (handler) {
    handler();
    return;
  }
  // Outside the event loop this does nothing; the entry point then sees the
  // mark and never starts the loop.
  QCoreApplication::exit(0);
}

bool ProgramEnded() {
  return ended;
}

void setProgramEndHandlerForTesting(std::function<void()> replacement) {
  handler = std::move(replacement);
  ended = false;
}

}  // namespace platform
