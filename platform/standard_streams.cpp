#include "platform/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace platform {

void holdClosedStandardStreams() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // Opened for reading only, so that writing to it fails as writing to a closed one does.
    const int held = ::open("/dev/null", O_RDONLY);
    if (held >= 0 && held != fd) {
      ::dup2(held, fd);
      ::close(held);
    }
  }
}

std::string standardOutputFailure() {
  errno = 0;
  const bool flushed = std::fflush(stdout) == 0;
  const int err = errno;
  if (flushed && !std::ferror(stdout)) return "";
  if (err != 0) return std::strerror(err);
  // An earlier flush failed and left only its mark: say what is most likely.
  const int mode = ::fcntl(STDOUT_FILENO, F_GETFL);
  return mode >= 0 && (mode & O_ACCMODE) == O_RDONLY ? "it is closed" : "a write failed";
}

}  // namespace platform
