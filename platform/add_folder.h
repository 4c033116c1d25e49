#pragma once
#include <QByteArray>
#include <QString>

// File helpers shared by the windows and the generator.
namespace platform {

// True when the file system can give the path's modification time: an
// existing file or folder. False for an empty or invalid path.
bool FileOrFolderExists(const QString& path);

// Lets pending window events run, then deletes the file, forcing it when the
// plain delete fails. Never fails and never tells whether the file is gone.
void DeleteFileQuietly(const QString& path);

// Deletes the file even when it is read-only; throws std::runtime_error when
// it cannot ("File not found", "Permission denied").
void ForceDeleteFile(const QString& path);

// Writes the bytes from offset 0 into the file, creating it when missing. An
// existing file is not shortened: bytes past the new end stay. Throws
// std::runtime_error when the file cannot be opened or written.
void WriteBytesToFile(const QByteArray& bytes, const QString& path);

}  // namespace platform
