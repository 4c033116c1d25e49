#pragma once
#include <memory>
#include <optional>
#include <string>

#include "spreadsheet/api/range.h"

namespace spreadsheet {
class Worksheet;
struct Button;
struct PageSetup;
}  // namespace spreadsheet

namespace spreadsheet::api {

class Application;
class Buttons;
class Button;
class PageSetup;

class Worksheet {
 public:
  Worksheet(std::shared_ptr<Application> app, spreadsheet::Worksheet* sheet);

  std::string Name() const;
  // Renames the sheet; formulas and names that refer to it follow.
  void setName(const std::string& name);
  int Index() const;  // 1-based tab position
  void Select();      // makes it the active sheet of its workbook
  void Activate() { Select(); }
  // Removes the sheet; refused for the last sheet of a workbook.
  void Delete();
  api::Range UsedRange() const;  // A1 for an empty sheet, as the application gives it
  api::Buttons Buttons() const;
  api::PageSetup PageSetup() const;
  api::Range Range(const std::string& address) const;
  api::Range Rows(const std::string& address) const;
  api::Range Columns(const std::string& address) const;
  api::Range Cells() const;
  api::Range Cells(int row, int column) const;
  // Protection without a password. The engine keeps the state for the files
  // it writes and goes on writing locked cells itself, as macros and the
  // generator's own steps need.
  void Protect();
  void Unprotect();
  bool ProtectContents() const;

  spreadsheet::Worksheet& model() const;
  bool operator==(const Worksheet& o) const { return sheet_ == o.sheet_; }

 private:
  std::shared_ptr<Application> app_;
  spreadsheet::Worksheet* sheet_;
};

// Characters of a button's text, 1-based like the application's.
class Characters {
 public:
  Characters(std::shared_ptr<Application> app, spreadsheet::Worksheet* sheet, int buttonId,
             int start, int length);
  std::string Text() const;
  // Replaces these characters with `text`.
  void setText(const std::string& text);
  api::Font Font() const;

 private:
  std::shared_ptr<Application> app_;
  spreadsheet::Worksheet* sheet_;
  int buttonId_;
  int start_;
  int length_;
};

// A form-control push button on a worksheet.
class Button {
 public:
  Button(std::shared_ptr<Application> app, spreadsheet::Worksheet* sheet, int id);

  int Id() const { return id_; }
  std::string Name() const;
  std::string Text() const;
  void setText(const std::string& text);
  std::string Caption() const { return Text(); }
  void setCaption(const std::string& text) { setText(text); }
  std::string OnAction() const;
  void setOnAction(const std::string& macro);
  double Left() const;
  double Top() const;
  double Width() const;
  double Height() const;
  void Select();
  void Delete();
  // start is 1-based; length -1 means to the end of the text.
  api::Characters Characters(int start = 1, int length = -1) const;
  api::Font Font() const;  // the font of the whole text

  spreadsheet::Button& model() const;

 private:
  std::shared_ptr<Application> app_;
  spreadsheet::Worksheet* sheet_;
  int id_;
};

class Buttons {
 public:
  Buttons(std::shared_ptr<Application> app, spreadsheet::Worksheet* sheet);
  // Position and size in points. The new button gets an id unique on its sheet.
  api::Button Add(double left, double top, double width, double height);
  int Count() const;
  api::Button Item(int index) const;  // 1-based

 private:
  std::shared_ptr<Application> app_;
  spreadsheet::Worksheet* sheet_;
};

// Page setup of a worksheet; margins in points.
class PageSetup {
 public:
  PageSetup(std::shared_ptr<Application> app, spreadsheet::Worksheet* sheet);

  std::string PrintArea() const;                  // "$A$1:$U$26", or "" when none
  void setPrintArea(const std::string& address);  // "" removes the print area
  double LeftMargin() const;
  void setLeftMargin(double points);
  double RightMargin() const;
  void setRightMargin(double points);
  double TopMargin() const;
  void setTopMargin(double points);
  double BottomMargin() const;
  void setBottomMargin(double points);
  double HeaderMargin() const;
  void setHeaderMargin(double points);
  double FooterMargin() const;
  void setFooterMargin(double points);
  int Orientation() const;
  void setOrientation(int orientation);
  int PaperSize() const;
  void setPaperSize(int size);
  std::optional<int> Zoom() const;  // nullopt: scaled by FitToPagesWide/Tall
  void setZoom(std::optional<int> percent);
  int FitToPagesWide() const;
  void setFitToPagesWide(int pages);
  int FitToPagesTall() const;
  void setFitToPagesTall(int pages);
  int PrintComments() const;
  void setPrintComments(int mode);

 private:
  spreadsheet::PageSetup& model() const;
  std::shared_ptr<Application> app_;
  spreadsheet::Worksheet* sheet_;
};

}  // namespace spreadsheet::api
