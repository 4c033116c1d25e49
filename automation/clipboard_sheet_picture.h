#pragma once
#include <QImage>

namespace automation {

// The picture the last CopyPicture put on the program's clipboard; throws
// spreadsheet::Error("Invalid picture") when there is none.
QImage clipboardSheetPicture();

}  // namespace automation
