#pragma once
#include <memory>
#include <string>
#include <vector>

#include "spreadsheet/api/worksheet.h"
#include "spreadsheet/model/palette.h"
#include "spreadsheet/ods/basic_library.h"

namespace spreadsheet {
class Workbook;
}

namespace spreadsheet::api {

class Application;
class Names;
class Sheets;

// The sheets of one workbook, in tab order.
class Sheets {
 public:
  Sheets(std::shared_ptr<Application> app, spreadsheet::Workbook* book);
  int Count() const;
  api::Worksheet Item(int index) const;  // 1-based; Error "Subscript out of range"
  api::Worksheet Item(const std::string& name) const;
  api::Worksheet Add();  // a new empty sheet after the active one, made active

 private:
  std::shared_ptr<Application> app_;
  spreadsheet::Workbook* book_;
};

// Workbook-level defined names.
class Names {
 public:
  Names(std::shared_ptr<Application> app, spreadsheet::Workbook* book);
  // refersToR1C1 is "=Sheet!R1C1:R2C2" (or any formula) in R1C1 notation.
  // Replaces a name of the same spelling.
  void Add(const std::string& name, const std::string& refersToR1C1);
  int Count() const;
  std::string RefersToR1C1(const std::string& name) const;
  void Delete(const std::string& name);

 private:
  std::shared_ptr<Application> app_;
  spreadsheet::Workbook* book_;
};

class Workbook {
 public:
  Workbook(std::shared_ptr<Application> app, spreadsheet::Workbook* book);

  std::string Name() const;      // file name, "Book1" until saved
  std::string FullName() const;  // path it was opened from or saved to
  // fileFormat xl::Excel8 or xl::WorkbookNormal writes the Excel 97-2003
  // format, 51, 52 and 60 the others of the writer registry; any other code is
  // refused. `basic` is the Basic library an .ods carries for its buttons.
  void SaveAs(const std::string& path, int fileFormat,
              const std::vector<ods::BasicModule>& basic = {});
  void Save();
  // Closes without saving (the application asks nothing with DisplayAlerts off).
  void Close();
  void Activate();
  Rgb Colors(int index) const;  // 1..56
  void setColors(int index, Rgb color);
  api::Names Names() const;
  api::Sheets Sheets() const;
  api::Sheets Worksheets() const { return Sheets(); }
  api::Worksheet ActiveSheet() const;
  // Whether the workbook's macro project has a module `name`.
  bool HasModule(const std::string& name) const;
  // Replaces the code of module `name` of the workbook's macro project. Error,
  // changing nothing, when there is no such module or the code is refused.
  void ReplaceModuleCode(const std::string& name, const std::string& code);

  spreadsheet::Workbook& model() const;
  bool operator==(const Workbook& o) const { return book_ == o.book_; }

 private:
  std::shared_ptr<Application> app_;
  spreadsheet::Workbook* book_;
};

}  // namespace spreadsheet::api
