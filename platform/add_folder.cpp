#include "platform/add_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <stdexcept>

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

void WriteBytesToFile(const QByteArray& bytes, const QString& path) {
  QFile file(path);
  // ReadWrite without Truncate: an existing file keeps its length.
  if (!file.open(QIODevice::ReadWrite)) {
    bool folderExists = QFileInfo(path).absoluteDir().exists();
    throw std::runtime_error(folderExists ? "Permission denied" : "Path not found");
  }
  if (!file.seek(0) || file.write(bytes) != bytes.size())
    throw std::runtime_error("Device I/O error");
  file.close();
}

}  // namespace platform
