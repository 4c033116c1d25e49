#pragma once
#include <string>

namespace platform {

// A standard stream the caller closed (`>&-`) gets a descriptor that refuses
// writes: otherwise the next file the run opens takes its number, and what is
// printed ends up inside that file. Call first thing in main.
void holdClosedStandardStreams();

// Flushes standard output; "" when everything printed there arrived, else the
// system's reason ("No space left on device", "Bad file descriptor").
std::string standardOutputFailure();

}  // namespace platform
