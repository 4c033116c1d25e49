#pragma once
#include <string>

// The running program's own file, and handing the process to another program.
namespace platform {

// The running program's executable as the system names it (bytes, links
// resolved), or empty when the system does not say.
std::string runningProgramFile();

// Replaces the running program by the one at `path`, with `argv` and the
// same environment and descriptors. Returns only when it could not, with the
// system's reason.
std::string replaceRunningProgram(const std::string& path, char** argv);

}  // namespace platform
