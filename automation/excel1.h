#pragma once
#include <memory>
#include <string>

#include <QImage>
#include <QString>

namespace spreadsheet::api {
class Application;
class Workbook;
class Worksheet;
}  // namespace spreadsheet::api
namespace spreadsheet::picture {
class PictureSource;
}  // namespace spreadsheet::picture

// Spreadsheet instances around a generation and the picture of the sheet.
namespace automation {

// Whether a running instance can be reached and calls itself "Microsoft
// Excel". Any failure gives false; the reference is dropped without Quit.
bool IsExcelRunning();

// The box shown when an instance is running.
extern const char* const kExcelOpenWarning;

// False when no instance runs. Otherwise asks (Yes/No, no icon, the
// application title) and gives true when the user answers No: do not go on.
bool ExcelOpenWarning();

// A new hidden instance with the workbook at `path` open in it.
std::shared_ptr<spreadsheet::api::Application> OpenInNewExcel(const std::string& path);

// Ends the instance held in `app` (when there is one by then) on every way
// out of a scope, so a failure leaves no instance running.
class QuitOnExit {
 public:
  explicit QuitOnExit(const std::shared_ptr<spreadsheet::api::Application>& app) : app_(app) {}
  QuitOnExit(const QuitOnExit&) = delete;
  QuitOnExit& operator=(const QuitOnExit&) = delete;
  ~QuitOnExit();

 private:
  const std::shared_ptr<spreadsheet::api::Application>& app_;
};

// The SaveAs format code for an application version text: 56 when the version
// is above 11, else -4143. The text's "." and "," become the user's decimal
// separator before it is read as a number, rounded to the nearest whole one.
int SaveFormatForVersion(const std::string& version);
// The same for an instance; without one a temporary instance is asked and quit.
int SaveFormatFor(const std::shared_ptr<spreadsheet::api::Application>& app);

// Writes a picture of the used range of the active sheet of `book` to `path`,
// when that range ends below row 1 and right of column A. Reports its own
// failures step by step.
void saveCellsActivesheet(const spreadsheet::api::Workbook& book, const QString& path);

// The same picture as the preview takes it over: drawn part by part as it is
// shown, with the same steps reported under the same name. Null when there is
// no picture.
std::shared_ptr<const spreadsheet::picture::PictureSource> takeCellsActivesheet(
    const spreadsheet::api::Workbook& book);

// The same picture written to `path` (PNG for ".png", else BMP) for callers
// without a window, whole or not at all: the first failure is thrown
// (spreadsheet::Error), and a sheet with nothing to show is one.
void SaveUsedRangePicture(const spreadsheet::api::Workbook& book, const std::string& path);

// Writes the print area of `sheet` as a one-page PDF at `path`, whole or not
// at all. Throws spreadsheet::Error.
void SavePagePdf(const spreadsheet::api::Worksheet& sheet, const std::string& path);

}  // namespace automation
