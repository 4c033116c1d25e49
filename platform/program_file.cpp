#include "platform/program_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace platform {

std::string runningProgramFile() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : exe.string();
}

std::string replaceRunningProgram(const std::string& path, char** argv) {
  ::execv(path.c_str(), argv);
  return std::strerror(errno);
}

}  // namespace platform
