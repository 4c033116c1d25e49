#pragma once
#include <QString>

namespace platform {

// The folder for temporary files: TEMP, else TMPDIR, else /tmp; no trailing "/".
QString TemporaryFolder();

// The folder of the program's executable, no trailing "/". Files beside the
// program are named as this folder followed by "/HAND-M.CUR" and the like.
QString ProgramFolder();
// Tests point the program folder at a folder of their own; empty restores it.
void setProgramFolderForTesting(const QString& folder);

// Program folder + "/HAND-M.CUR" and + "/x/o.cjs"; when the program folder
// lacks the file, the installed copy in share/tallyloom if there is one.
QString handCursorPath();
QString skinFilePath();

}  // namespace platform
