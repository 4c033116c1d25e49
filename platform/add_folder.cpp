#include "platform/add_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <filesystem>
#include <stdexcept>

#include "platform/error_text.h"

namespace platform {

bool FileOrFolderExists(const QString& path) {
  if (path.isEmpty()) return false;
  std::error_code error;
  (void)std::filesystem::last_write_time(std::filesystem::path(path.toStdString()), error);
  return !error;
}

void DeleteFileQuietly(const QString& path) {
  if (QCoreApplication::instance()) QCoreApplication::processEvents();
  try {
    if (!QFile::remove(path)) ForceDeleteFile(path);
  } catch (...) {
    // The quiet delete never reports.
  }
}

void ForceDeleteFile(const QString& path) {
  QFileInfo info(path);
  if (!info.exists() || info.isDir()) throw std::runtime_error("File not found");
  QFile::setPermissions(
      path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
  if (!QFile::remove(path)) throw std::runtime_error("Permission denied");
}

namespace {

[[noreturn]] void failOn(const std::string& path, const std::string& why) {
  throw std::runtime_error(fileFailureText("Cannot write", path, why));
}

// The system's own reason, kept to the end: a long name, no descriptors left
// and a full disk each read as what they are.
[[noreturn]] void failOn(const std::string& path, int err) {
  failOn(path, systemReasonText(err));
}

}  // namespace

void WriteBytesToFile(const QByteArray& bytes, const QString& path) {
  WriteBytesToFile(bytes, QFile::encodeName(path).toStdString());
}

namespace {

// `durable`: forced to the disk before the close, for a file that outlasts the run.
void writeBytes(const QByteArray& bytes, const std::string& path, bool durable) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
  if (fd < 0) {
    const int err = errno;
    if (err == ELOOP) failOn(path, "Permission denied (a symbolic link)");
    failOn(path, err);
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    failOn(path, "Permission denied (not an ordinary file)");
  }
  // Every byte counts: a write that stops short is a failure, not an end.
  qsizetype done = 0;
  int err = 0;
  while (done < bytes.size() && err == 0) {
    const ssize_t n =
        ::pwrite(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done),
                 static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0)
      err = errno;
    else if (n == 0)
      err = ENOSPC;
    else
      done += n;
  }
  if (err == 0 && durable && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err != 0) failOn(path, err);
}

}  // namespace

void WriteBytesToFile(const QByteArray& bytes, const std::string& path) {
  writeBytes(bytes, path, true);
}

void WriteScratchFile(const QByteArray& bytes, const std::string& path) {
  writeBytes(bytes, path, false);
}

void ClaimTemporaryFile(const QString& path) {
  ClaimTemporaryFile(QFile::encodeName(path).toStdString());
}

void ClaimTemporaryFile(const std::string& path) {
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
    const int err = errno;
    // Refused: the name is taken by a file we may not remove.
    if (err == EACCES || err == EPERM) failOn(path, "Permission denied (the name is taken)");
    failOn(path, err);
  }
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) {
    const int err = errno;
    if (err == EEXIST) failOn(path, "File already exists (placed while we took the name)");
    failOn(path, err);
  }
  ::close(fd);
}

}  // namespace platform
