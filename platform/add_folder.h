#pragma once
#include <QByteArray>
#include <QString>
#include <string>

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
// existing file is not shortened: bytes past the new end stay. A symbolic link
// or a file that is not an ordinary file is never written through. Throws
// std::runtime_error naming the file with the system's reason when it cannot
// be opened, or when any write, the flush or the close fails or falls short.
void WriteBytesToFile(const QByteArray& bytes, const QString& path);
// The same for a path given as the system's bytes (not necessarily UTF-8).
void WriteBytesToFile(const QByteArray& bytes, const std::string& path);
// The same without forcing the bytes to the disk, for a file the run removes
// again (the template copy): a crash loses nothing anyone keeps.
void WriteScratchFile(const QByteArray& bytes, const std::string& path);

// Makes `path` a new empty file of our own, readable by us only, before a
// temporary file is written there: whatever had the name (a stale file, a
// symbolic link someone placed) is removed, never followed, and the file is
// created exclusively. Throws std::runtime_error naming the file when the
// name cannot be taken.
void ClaimTemporaryFile(const QString& path);
void ClaimTemporaryFile(const std::string& path);  // the path as the system's bytes

}  // namespace platform
