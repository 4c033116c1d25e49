#pragma once
#include <string>

namespace spreadsheet::io {

// The folder for temporary files, for the engine and the desktop alike: the
// environment's TEMP, else TMPDIR, else /tmp; without a trailing "/". Whoever
// cannot use it names it in the message.
std::string temporaryFolder();

}  // namespace spreadsheet::io
