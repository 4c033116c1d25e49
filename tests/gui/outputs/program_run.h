#pragma once
// Runs the built program as its own process, the way a shell script, a
// restricted account or an impatient user would: limits, environment bytes,
// a standard output that is closed or full, a signal part-way.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace outputs_test {

// TALLYLOOM_PROGRAM runs these tests against another build (an older one, to see them fail).
inline const char* programPath() {
  const char* other = std::getenv("TALLYLOOM_PROGRAM");
  return other && *other ? other : TALLYLOOM_BINARY_DIR "/bin/tallyloom";
}

struct ChildSetup {
  std::vector<std::pair<std::string, std::optional<std::string>>> env;  // bytes; nullopt unsets
  std::optional<rlim_t> fileSizeLimit;                                  // RLIMIT_FSIZE, bytes
  std::optional<rlim_t> openFilesLimit;                                 // RLIMIT_NOFILE
  enum class Out { Captured, Closed, Full } out = Out::Captured;
  bool asNobody = false;                // when we are root: the run as uid/gid 65534
  std::optional<int> terminateAfterMs;  // SIGTERM this long after the start
};

struct ChildResult {
  int code = -1;   // exit code, or -1 when a signal ended it
  int signal = 0;  // the signal that ended it
  std::string out, err;
};

// This process's environment with the setup's changes, made before the fork:
// the child of a process with threads may only make system calls.
inline std::vector<std::string> childEnvironment(const ChildSetup& setup) {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    bool replaced = false;
    for (const auto& change : setup.env)
      replaced = replaced || entry.starts_with(change.first + "=");
    if (!replaced) env.push_back(entry);
  }
  for (const auto& [name, value] : setup.env)
    if (value) env.push_back(name + "=" + *value);
  return env;
}

inline ChildResult runProgram(const std::vector<std::string>& args, const ChildSetup& setup = {}) {
  const std::vector<std::string> envStrings = childEnvironment(setup);
  std::vector<char*> envp;
  for (const std::string& e : envStrings) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);
  std::vector<char*> argv{const_cast<char*>(programPath())};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  int out[2], err[2];
  if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) return {};
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (setup.out == ChildSetup::Out::Closed) ::close(1);
    if (setup.out == ChildSetup::Out::Full) ::dup2(::open("/dev/full", O_WRONLY), 1);
    if (setup.out == ChildSetup::Out::Captured) ::dup2(out[1], 1);
    ::dup2(err[1], 2);
    ::close_range(3, ~0U, 0);  // descriptors the test run inherited count against the limits
    if (setup.fileSizeLimit) {
      const rlimit limit{*setup.fileSizeLimit, *setup.fileSizeLimit};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    if (setup.asNobody && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
      ::_exit(126);
    if (setup.openFilesLimit) {
      const rlimit limit{*setup.openFilesLimit, *setup.openFilesLimit};
      ::setrlimit(RLIMIT_NOFILE, &limit);
    }
    ::execve(programPath(), argv.data(), envp.data());
    ::_exit(127);
  }
  ::close(out[1]);
  ::close(err[1]);
  ChildResult r;
  const auto start = std::chrono::steady_clock::now();
  bool signalled = !setup.terminateAfterMs;
  pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string* sinks[2] = {&r.out, &r.err};
  for (int open = 2; open > 0;) {
    int wait = -1;
    if (!signalled) {
      const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now() - start)
                               .count();
      wait = static_cast<int>(std::max<long>(0, *setup.terminateAfterMs - elapsed));
      if (wait == 0) {
        ::kill(pid, SIGTERM);
        signalled = true;
        wait = -1;
      }
    }
    if (::poll(fds, 2, wait) < 0) break;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
      char chunk[65536];
      const ssize_t n = ::read(fds[i].fd, chunk, sizeof chunk);
      if (n > 0) {
        sinks[i]->append(chunk, static_cast<std::size_t>(n));
      } else {
        ::close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (WIFEXITED(status)) r.code = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) r.signal = WTERMSIG(status);
  return r;
}

}  // namespace outputs_test
