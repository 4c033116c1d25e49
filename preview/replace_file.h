#pragma once
#include <QString>

namespace preview {

// Copies `source` to `destination`. The copy is written to a temporary file in
// the destination's folder and renamed over the destination only when it is
// complete, so an existing file is either replaced whole or left as it was.
// Throws std::runtime_error ("File not found", "Permission denied",
// "Path not found") when the copy cannot be made.
void ReplaceWithCopy(const QString& source, const QString& destination);

}  // namespace preview
