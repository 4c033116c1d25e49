// The engine's one place for operating-system file calls (POSIX here); a Windows
// or macOS build replaces this file only.
#include "spreadsheet/io/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <utility>
#include <vector>

#include "spreadsheet/io/private_folder.h"
#include "spreadsheet/io/system_reason.h"
#include "spreadsheet/io/tracked_paths.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::io {

namespace {

constexpr int kMaxLinkHops = 40;            // as the kernel's own limit for a path
constexpr std::size_t kMaxNameBytes = 255;  // one name in a path, on every common file system

std::mutex gFullDiskMutex;
std::optional<std::size_t> gRoom;

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string leafOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

[[noreturn]] void fail(const std::string& path, const std::string& why) {
  throw Error(fileFailureText("Cannot write", path, why));
}

[[noreturn]] void failErrno(const std::string& path, int err) {
  fail(path, systemReasonText(err));
}

// Follows symbolic links (also to a target that does not exist yet), so that a
// link given as an output stays a link and its target is what gets replaced.
std::string followLinks(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
    std::string target(static_cast<std::size_t>(PATH_MAX), '\0');
    const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
    if (n < 0) failErrno(path, errno);
    target.resize(static_cast<std::size_t>(n));
    if (target.starts_with('/')) {
      current = target;
      continue;
    }
    // The kernel's links of open descriptors (/proc/self/fd/1, so /dev/stdout)
    // name a pipe or socket as "pipe:[N]", which is no path: the link itself
    // reaches the object.
    struct stat reached {};
    const std::string next = folderOf(current) + "/" + target;
    if (::lstat(next.c_str(), &st) != 0 && ::stat(current.c_str(), &reached) == 0) return current;
    current = next;
  }
  failErrno(path, ELOOP);
}

// Takes room from the simulated disk; false when the disk is "full".
bool takeRoom(std::size_t& count) {
  std::lock_guard lock(gFullDiskMutex);
  if (!gRoom) return true;
  count = std::min(count, *gRoom);
  *gRoom -= count;
  return count > 0;
}

// Every byte or an errno; a write that makes no progress counts as a full disk.
int writeAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    std::size_t count = bytes.size() - done;
    if (!takeRoom(count)) return ENOSPC;
    const ssize_t n = ::write(fd, bytes.data() + done, count);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return ENOSPC;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

// A character device or a FIFO takes the bytes as they are, as `cp` writes
// into one; a FIFO without a reader is refused instead of waiting forever.
void writeIntoSpecial(const std::string& path, const std::string& target, mode_t mode,
                      std::span<const std::uint8_t> bytes) {
  if (S_ISBLK(mode)) fail(path, "it is a disk device, which is never written over");
  if (S_ISSOCK(mode)) fail(path, "it is a socket, not a file");
  if (!S_ISCHR(mode) && !S_ISFIFO(mode)) fail(path, "it is not an ordinary file");
  const int fd = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (errno == ENXIO) fail(path, "it is a pipe that nobody reads");
    failErrno(path, errno);
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  int err = writeAll(fd, bytes);
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err != 0) failErrno(path, err);
}

// The hidden name of a new file beside `target`, no longer than a name may be:
// a long target name is cut, the process and counter kept whole.
std::string temporaryName(const std::string& target, unsigned number) {
  const std::string tail = "." + std::to_string(::getpid()) + "." + std::to_string(number) + ".tmp";
  std::string leaf = "." + leafOf(target);
  leaf.resize(std::min(leaf.size(), kMaxNameBytes - tail.size()));
  return folderOf(target) + "/" + leaf + tail;
}

// A new file beside the target that no one else could have placed there.
int createTemporary(const std::string& target, mode_t mode, std::string& tempPath) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = temporaryName(target, counter++);
    const int fd =
        ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

}  // namespace

std::string finalTarget(const std::string& path) {
  const std::string target = followLinks(path);
  std::string folder = folderOf(target);
  if (char* real = ::realpath(folder.c_str(), nullptr)) {
    folder = real;
    std::free(real);
  } else {
    // A folder that does not exist (yet): its spelling, made absolute and tidied.
    std::error_code ec;
    folder = std::filesystem::absolute(folder, ec).lexically_normal().string();
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  }
  return (folder == "/" ? "" : folder) + "/" + leafOf(target);
}

bool sameFile(const std::string& a, const std::string& b) {
  struct stat sa {
  }, sb{};
  if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0)
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  return finalTarget(a) == finalTarget(b);
}

void writeWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  if (path.empty() || path.back() == '/')
    throw Error("Cannot write a file: the file name is missing.");
  const std::string target = followLinks(path);
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (!exists && errno != ENOENT) failErrno(path, errno);
  if (exists && S_ISDIR(st.st_mode)) failErrno(path, EISDIR);
  if (exists && !S_ISREG(st.st_mode)) return writeIntoSpecial(path, target, st.st_mode, bytes);
  // The rename would replace a file that its mode or owner keeps from us, as
  // `cp` and `>` would not.
  if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
    failErrno(path, errno);

  // A replaced file keeps its permission bits (and owner where we may); until
  // then only we can read the copy.
  std::string temp;
  int fd = -1;
  const TrackedPath tracked([&] {
    fd = createTemporary(target, exists ? 0600 : 0666, temp);
    return fd >= 0 ? temp : std::string();
  });
  if (fd < 0) failErrno(path, errno);
  int err = writeAll(fd, bytes);
  if (err == 0 && exists) {
    // The owner too where we may set it (root saving a user's file), else the
    // copy stays ours; then the mode, which a change of owner may have cut.
    [[maybe_unused]] const int owned = ::fchown(fd, st.st_uid, st.st_gid);
    if (::fchmod(fd, st.st_mode & 07777) != 0) err = errno;
  }
  // A file in a private folder of this run goes with the run: nothing of it
  // has to outlast a crash, so it is not forced to the disk.
  const bool scratch = isPrivateFolder(folderOf(target));
  if (err == 0 && !scratch && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
  if (err != 0) {
    ::unlink(temp.c_str());
    failErrno(path, err);
  }
  if (scratch) return;
  // The rename itself lasts only once the folder is on the disk too.
  const int dir = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

void copyWholeFile(const std::string& from, const std::string& to) {
  const int fd = ::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  struct stat st {};
  if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const int err = fd < 0 ? errno : EINVAL;
    if (fd >= 0) ::close(fd);
    throw Error(fileFailureText(
        "Cannot read", from,
        err == EINVAL ? std::string("it is not an ordinary file") : systemReasonText(err)));
  }
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[65536];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int err = errno;
      ::close(fd);
      throw Error(fileFailureText("Cannot read", from, err));
    }
    if (n == 0) break;
    bytes.insert(bytes.end(), chunk, chunk + n);
  }
  ::close(fd);
  writeWholeFile(to, bytes);
}

std::optional<std::size_t> simulateFullDisk(std::optional<std::size_t> room) {
  std::lock_guard lock(gFullDiskMutex);
  return std::exchange(gRoom, room);
}

}  // namespace spreadsheet::io
