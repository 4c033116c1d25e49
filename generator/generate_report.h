#pragma once
#include <functional>
#include <memory>

#include <QString>

#include "generator/options.h"

namespace spreadsheet::picture {
class PictureSource;
}  // namespace spreadsheet::picture

// The generation driver of the desktop program: from the main window's
// choices to the preview window, every step numbered and reported on failure.
namespace generator {

// What the driver needs of the windows around it.
class ReportWindows {
 public:
  virtual ~ReportWindows() = default;
  // The main window's check boxes and lists.
  virtual const ChoiceControls& choiceControls() const = 0;
  // The main window's hourglass (true) or default pointer (false).
  virtual void setMainWindowBusy(bool busy) = 0;
  // Gives the sheet's picture to the preview's canvas, creating the preview
  // window when there is none; throws when there is no picture.
  virtual void setPreviewPicture(
      const std::shared_ptr<const spreadsheet::picture::PictureSource>& picture) = 0;
  virtual void setPreviewExcelFile(const QString& path) = 0;
  virtual void showPreview() = 0;
  virtual void hideMainWindow() = 0;
};

// Builds the workbook for the current choices in the temporary folder as
// "vorlan" + 8 digits + ".xls" and hands it with its picture to the preview.
// startDay goes to BuildSheetLayout unchanged; 0 (the main window's) takes the
// first day of the sheet options.
void GenerateReport0(int startDay, ReportWindows& windows);

// The text of the box shown when no day is chosen.
extern const char* const kNoColumnsMessage;

// Tests replace the digits of the file name (each 1..9); an empty function
// restores the random ones.
void setNameDigitSourceForTesting(std::function<int()> source);

}  // namespace generator
