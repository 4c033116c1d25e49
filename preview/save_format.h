#pragma once
#include <QString>

namespace preview {

// The save dialog's filter in description|pattern pairs: the Excel 97-2003
// workbook first (the default), then .xlsx, .xlsm and .ods, then the PDF
// page and the PNG picture.
QString SaveDialogFilter();

// Saves the generated workbook at `chosen` in the format of its ending: the
// page or the picture for .pdf and .png (SavePrintedOutput), else as
// automation::SaveGeneratedWorkbook does (the command line's rule too).
void SaveGeneratedWorkbook(const QString& generated, const QString& chosen);

}  // namespace preview
