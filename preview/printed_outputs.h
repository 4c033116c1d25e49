#pragma once
#include <QString>

namespace preview {

// The save dialog's print-ready file types, in description|pattern pairs:
// the page as a PDF, the picture the preview shows as a PNG, and the print
// area as a web page.
QString PrintedOutputFilter();

// Whether `chosen` ends in ".pdf", ".png" or ".html" (any case).
bool IsPrintedOutput(const QString& chosen);

// Writes the generated workbook's sheet at `chosen`: its print area on one
// page for ".pdf", the picture of its used range for ".png" (the files of the
// command line's --pdf and --picture), the web page of --html for ".html".
// Whole or not at all; throws
// std::runtime_error("File not found") without the workbook, and
// spreadsheet::Error when it cannot be read or the file cannot be written.
void SavePrintedOutput(const QString& generated, const QString& chosen);

}  // namespace preview
