#pragma once
#include <functional>

namespace platform {

// Ends the whole program at once: no window gets its closing logic. The
// default marks the program as ended and leaves the event loop (or keeps it
// from starting); tests install a handler that only records the call.
void EndProgram();
bool ProgramEnded();

// Replaces what EndProgram does besides marking (nullptr restores the
// default) and clears the mark.
void setProgramEndHandlerForTesting(std::function<void()> handler);

}  // namespace platform
