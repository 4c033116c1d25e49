#pragma once
// Runs the built program as its own process, the way a shell script, a
// restricted account or an impatient user would: limits, environment bytes,
// a standard output that is closed or full, a signal part-way.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
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
  std::optional<rlim_t> memoryLimit;                                    // RLIMIT_AS, bytes
  enum class Out { Captured, Closed, Full } out = Out::Captured;
  bool asNobody = false;                // when we are root: the run as uid/gid 65534
  std::optional<int> terminateAfterMs;  // `signal` this long after the start
  int signal = SIGTERM;
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
  // Standard error into an unnamed file, standard output into a pipe (some cases need one).
  char errName[] = "/tmp/tallyloom-test-XXXXXX";
  const int err = ::mkstemp(errName);
  ::unlink(errName);
  int out[2];
  if (err < 0 || ::pipe2(out, O_CLOEXEC) != 0) return {};
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (setup.out == ChildSetup::Out::Closed) ::close(1);
    if (setup.out == ChildSetup::Out::Full) ::dup2(::open("/dev/full", O_WRONLY), 1);
    if (setup.out == ChildSetup::Out::Captured) ::dup2(out[1], 1);
    ::dup2(err, 2);
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
    if (setup.memoryLimit) {
      const rlimit limit{*setup.memoryLimit, *setup.memoryLimit};
      ::setrlimit(RLIMIT_AS, &limit);
    }
    ::execve(programPath(), argv.data(), envp.data());
    ::_exit(127);
  }
  ::close(out[1]);
  if (setup.terminateAfterMs) {
    std::this_thread::sleep_for(std::chrono::milliseconds(*setup.terminateAfterMs));
    ::kill(pid, setup.signal);
  }
  ChildResult r;
  char chunk[65536];
  for (ssize_t n; (n = ::read(out[0], chunk, sizeof chunk)) > 0;)
    r.out.append(chunk, static_cast<std::size_t>(n));
  ::close(out[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (WIFEXITED(status)) r.code = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) r.signal = WTERMSIG(status);
  for (ssize_t n, at = 0; (n = ::pread(err, chunk, sizeof chunk, at)) > 0; at += n)
    r.err.append(chunk, static_cast<std::size_t>(n));
  ::close(err);
  return r;
}

}  // namespace outputs_test
