#pragma once
#include <functional>
#include <memory>
#include <string>

#include "spreadsheet/api/workbook.h"

namespace spreadsheet::api {

struct ApplicationState;

// The open workbooks of one application instance, in the order opened.
class Workbooks {
 public:
  explicit Workbooks(std::shared_ptr<Application> app);
  api::Workbook Add();  // one sheet "Sheet1", default font Arial 10; becomes active
  api::Workbook Open(const std::string& path);  // becomes active
  int Count() const;
  api::Workbook Item(int index) const;  // 1-based

 private:
  std::shared_ptr<Application> app_;
};

// One instance of the in-process spreadsheet application. It owns its
// workbooks; the objects it hands out are light handles that refuse to work
// once their workbook is closed or the application has quit.
class Application : public std::enable_shared_from_this<Application> {
 public:
  // A new hidden instance with no workbook. Throws Error when the factory
  // fails.
  static std::shared_ptr<Application> create();
  // Tests replace how create() makes instances; nullptr restores the default.
  static void setFactoryForTesting(std::function<std::shared_ptr<Application>()> factory);
  // A live (not quit) instance, or nullptr.
  static std::shared_ptr<Application> running();
  // What the default factory does.
  static std::shared_ptr<Application> makeInstance();

  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  ~Application();

  bool Visible() const;
  void setVisible(bool v);
  bool ScreenUpdating() const;
  void setScreenUpdating(bool v);
  bool DisplayAlerts() const;
  void setDisplayAlerts(bool v);
  bool EnableEvents() const;
  void setEnableEvents(bool v);
  int EnableCancelKey() const;
  void setEnableCancelKey(int v);
  int Cursor() const;
  void setCursor(int v);
  bool CutCopyMode() const;
  void setCutCopyMode(bool on);  // false forgets the copied cells
  std::string Version() const { return "16.0"; }
  std::string Name() const { return "Microsoft Excel"; }
  double InchesToPoints(double inches) const { return inches * 72.0; }

  api::Workbooks Workbooks();
  api::Workbook ActiveWorkbook();
  api::Sheets Sheets();
  api::Worksheet ActiveSheet();
  api::Range ActiveCell();
  api::Range Selection();
  // On the active sheet.
  api::Range Range(const std::string& address);
  api::Range Rows(const std::string& address);
  api::Range Columns(const std::string& address);
  api::Range Cells();
  api::Range Cells(int row, int column);

  // Ends the instance: closes every workbook without saving and leaves the
  // registry of running instances.
  void Quit();
  bool hasQuit() const;

  // For the api's own objects.
  ApplicationState& state() const;
  void checkAlive() const;

 private:
  Application();
  std::unique_ptr<ApplicationState> state_;
};

}  // namespace spreadsheet::api
