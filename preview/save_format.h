#pragma once
#include <QString>

namespace preview {

// The save dialog's filter in description|pattern pairs: the Excel 97-2003
// workbook first (the default), then .xlsx, .xlsm and .ods.
QString SaveDialogFilter();

// Saves the generated workbook at `chosen` in the format of its ending, as
// automation::SaveGeneratedWorkbook does (the command line's rule too).
void SaveGeneratedWorkbook(const QString& generated, const QString& chosen);

}  // namespace preview
