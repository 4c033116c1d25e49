#pragma once
#include <QString>

namespace preview {

// Copies `source` to `destination` through the whole-or-nothing file writer: an
// existing file is either replaced whole or left as it was, a symbolic link keeps
// pointing at its replaced target, a special file is never replaced. Throws
// std::runtime_error("File not found") when the source is missing, and
// spreadsheet::Error naming the destination when it cannot be written.
void ReplaceWithCopy(const QString& source, const QString& destination);

}  // namespace preview
