#pragma once
#include <QString>
#include <exception>

namespace preview {

// The save dialog's filter in description|pattern pairs: the Excel 97-2003
// workbook first (the default), then .xlsx, .xlsm and .ods, then the PDF
// page and the PNG picture.
QString SaveDialogFilter();

// `typed` with the ending of the filter's entry `filterIndex` added when it
// ends in none of the filter's endings ("week" -> "week.pdf"); a name that
// ends in one keeps it, whichever type was chosen.
QString WithChosenEnding(const QString& typed, const QString& filter, int filterIndex);

// Saves the generated workbook at `chosen` in the format of its ending: the
// page or the picture for .pdf and .png (SavePrintedOutput), else as
// automation::SaveGeneratedWorkbook does (the command line's rule too).
void SaveGeneratedWorkbook(const QString& generated, const QString& chosen);

// Why a save failed, in the user's language: the system's reason when the
// failure carries one ("Permission denied"), else the failure's own words.
QString SaveFailureReason(const std::exception& failure);

}  // namespace preview
