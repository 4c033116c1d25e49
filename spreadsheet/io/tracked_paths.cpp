// Operating-system calls (POSIX here), in a form a signal handler may use.
#include "spreadsheet/io/tracked_paths.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>

namespace spreadsheet::io {

namespace {

enum SlotState : int { kFree, kTaken, kTracked };

// Fixed storage: the handler may neither allocate nor lock. A run tracks a few
// paths at a time (its folders and the file being written); when every slot is
// taken a path simply goes untracked. A free slot is all zero, so the table
// stays in untouched zero pages until used (initialising a descriptor of -1
// in every slot cost every run 32 page faults).
struct Slot {
  std::atomic<int> state{kFree};
  std::atomic<int> handlePlusOne{0};  // the folder's open descriptor + 1; 0 for none
  char path[PATH_MAX]{};
};
constinit Slot gSlots[32];
std::atomic<bool> gClosed{false};

constexpr int kMaxDepth = 8;

void removeTree(int parent, const char* name, int depth);

// Empties the open folder `dir`; two passes, in case removing shifted the entries.
void emptyFolder(int dir, int depth) {
  alignas(8) char buffer[4096];
  for (int pass = 0; pass < 2; ++pass) {
    ::lseek(dir, 0, SEEK_SET);
    for (;;) {
      const ssize_t n = ::getdents64(dir, reinterpret_cast<dirent64*>(buffer), sizeof buffer);
      if (n <= 0) break;
      for (ssize_t at = 0; at < n;) {
        const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
        at += entry->d_reclen;
        const char* leaf = entry->d_name;
        if (std::strcmp(leaf, ".") == 0 || std::strcmp(leaf, "..") == 0) continue;
        if (::unlinkat(dir, leaf, 0) != 0 && (errno == EISDIR || errno == EPERM))
          removeTree(dir, leaf, depth + 1);
      }
    }
  }
}

void removeTree(int parent, const char* name, int depth) {
  if (depth > kMaxDepth) return;
  const int dir = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (dir < 0) return;
  emptyFolder(dir, depth);
  ::close(dir);
  ::unlinkat(parent, name, AT_REMOVEDIR);
}

// Takes the path as characters: the signal handler's slots hold no std::string,
// and making one there would allocate under a lock the interrupted code may hold.
void removeFolderAt(const char* path, int handle) {
  if (handle >= 0) {
    emptyFolder(handle, 0);
    ::close(handle);
  }
  if (::rmdir(path) != 0 && errno != ENOENT) removeTree(AT_FDCWD, path, 0);
}

}  // namespace

void removeFolder(const std::string& path, int handle) noexcept {
  removeFolderAt(path.c_str(), handle);
}

namespace {

void removePath(const char* path) {
  if (::unlink(path) == 0 || (errno != EISDIR && errno != EPERM)) return;
  removeTree(AT_FDCWD, path, 0);
}

// Holds the interrupting signals back in this thread while a path is made and tracked.
class SignalsHeld {
 public:
  SignalsHeld() {
    sigset_t held;
    sigemptyset(&held);
    for (int signal : interruptingSignals()) sigaddset(&held, signal);
    pthread_sigmask(SIG_BLOCK, &held, &before_);
  }
  ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }

 private:
  sigset_t before_;
};

}  // namespace

const std::array<int, 3>& interruptingSignals() {
  static constexpr std::array<int, 3> kSignals{SIGINT, SIGTERM, SIGHUP};
  return kSignals;
}

TrackedPath::TrackedPath(const std::function<std::string()>& make) {
  const SignalsHeld held;
  for (int i = 0; i < static_cast<int>(std::size(gSlots)) && slot_ < 0; ++i) {
    int expected = kFree;
    if (gSlots[i].state.compare_exchange_strong(expected, kTaken)) slot_ = i;
  }
  try {
    path_ = make();
  } catch (...) {
    if (slot_ >= 0) gSlots[slot_].state = kFree;
    throw;
  }
  if (slot_ < 0) return;
  Slot& slot = gSlots[slot_];
  if (path_.empty() || path_.size() >= sizeof slot.path || gClosed) {
    slot.state = kFree;
    slot_ = -1;
    return;
  }
  std::memcpy(slot.path, path_.c_str(), path_.size() + 1);
  slot.state.store(kTracked, std::memory_order_release);
}

TrackedPath::~TrackedPath() {
  if (slot_ < 0) return;
  gSlots[slot_].handlePlusOne = 0;
  gSlots[slot_].state.store(kFree, std::memory_order_release);
}

void TrackedPath::useHandle(int handle) {
  if (slot_ >= 0) gSlots[slot_].handlePlusOne = handle + 1;
}

void removeTrackedPaths() noexcept {
  gClosed = true;
  for (Slot& slot : gSlots) {
    int expected = kTracked;
    if (!slot.state.compare_exchange_strong(expected, kTaken, std::memory_order_acquire)) continue;
    const int handle = slot.handlePlusOne.exchange(0) - 1;
    if (handle >= 0)
      removeFolderAt(slot.path, handle);
    else
      removePath(slot.path);
  }
}

}  // namespace spreadsheet::io
