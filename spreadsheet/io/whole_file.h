#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace spreadsheet::io {

// Writes bytes to path whole or not at all: a temporary file created exclusively in the
// final file's folder (after following a symbolic link to its target), every write, flush,
// fsync and close checked, permission bits of a replaced file kept, then renamed over the
// target. Special files (device, FIFO, socket) are written into directly or refused, never
// replaced: a character device or a FIFO with a reader is written into, a block device or a socket
// refused. Throws spreadsheet::Error with a clear message naming the path; the old file is intact
// on failure. A file in a PrivateFolder of this run is scratch and skips the fsyncs.
void writeWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

// Copies the ordinary file `from` to `to` with writeWholeFile. Throws spreadsheet::Error
// naming `from` when it cannot be read, or as writeWholeFile does.
void copyWholeFile(const std::string& from, const std::string& to);

// The file that writing `path` would end at: symbolic links followed (also a link whose
// target does not exist yet), the folder made absolute and canonical. Two outputs are the
// same file exactly when this gives the same text or, for existing files, the same device
// and inode (see sameFile).
std::string finalTarget(const std::string& path);

// True when `a` and `b` end at the same file: same device and inode where both exist, the
// same final target otherwise.
bool sameFile(const std::string& a, const std::string& b);

// Tests only: while a room is set, the disk takes at most that many more bytes from
// writeWholeFile; the write that needs more fails with "No space left on device".
// std::nullopt restores normal writing. Returns the room that was left, so a test can
// measure what a run writes and then give it one byte less.
std::optional<std::size_t> simulateFullDisk(std::optional<std::size_t> room);

}  // namespace spreadsheet::io
