#include "platform/partner_process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/error_text.h"

extern char** environ;

namespace platform {

namespace {

// The partner's end sits at this descriptor in the partner.
constexpr int kPartnerEnd = 3;

}  // namespace

MessageChannel::~MessageChannel() {
  close();
}

void MessageChannel::close() {
  if (descriptor_ >= 0) ::close(descriptor_);
  descriptor_ = -1;
}

std::optional<std::string> MessageChannel::readMessage() {
  for (;;) {
    if (const auto end = pending_.find('\0'); end != std::string::npos) {
      std::string message = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      return message;
    }
    if (descriptor_ < 0) return std::nullopt;
    char buffer[512];
    const ssize_t n = ::read(descriptor_, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return std::nullopt;
    pending_.append(buffer, static_cast<std::size_t>(n));
  }
}

bool MessageChannel::writeMessage(const std::string& message) {
  const std::string data = message + '\0';
  std::size_t done = 0;
  while (descriptor_ >= 0 && done < data.size()) {
    const ssize_t n = ::send(descriptor_, data.data() + done, data.size() - done, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return done == data.size();
}

std::optional<int> partnerChannelFromEnvironment() {
  const char* value = std::getenv(kPartnerChannelVariable);
  if (!value || std::strcmp(value, "3") != 0) return std::nullopt;
  // Not for the partner's own children.
  ::unsetenv(kPartnerChannelVariable);
  // A command stopped by a signal stops its partner too, which then removes
  // its own working files; a command gone before this line closed the
  // channel, which the partner reads as the end.
  ::prctl(PR_SET_PDEATHSIG, SIGTERM);
  return kPartnerEnd;
}

PartnerProcess::PartnerProcess(const std::string& path, char** argv) {
  int ends[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
    failure_ = systemReasonText(errno);
    return;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // dup2 leaves the copy open across exec, whatever the original's flag.
  posix_spawn_file_actions_adddup2(&actions, ends[1], kPartnerEnd);
  ::setenv(kPartnerChannelVariable, "3", 1);
  pid_t child = -1;
  const int error = ::posix_spawn(&child, path.c_str(), &actions, nullptr, argv, environ);
  ::unsetenv(kPartnerChannelVariable);
  posix_spawn_file_actions_destroy(&actions);
  ::close(ends[1]);
  if (error != 0) {
    ::close(ends[0]);
    failure_ = systemReasonText(error);
    return;
  }
  process_ = child;
  channel_.emplace(ends[0]);
}

int PartnerProcess::finish() {
  if (status_) return *status_;
  if (!started()) return 1;
  channel_->close();
  int raw = 0;
  while (::waitpid(process_, &raw, 0) < 0 && errno == EINTR) {
  }
  status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : WIFSIGNALED(raw) ? 128 + WTERMSIG(raw) : 1;
  return *status_;
}

PartnerProcess::~PartnerProcess() {
  finish();
}

}  // namespace platform
