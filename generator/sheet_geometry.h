#pragma once
#include <string>
#include <vector>

#include "generator/options.h"
#include "generator/sheet_options.h"
#include "generator/sheet_texts.h"
#include "spreadsheet/model/address.h"

namespace generator {

struct LayoutChoices;

// The four kinds of hours booked per day, in their row order.
enum class HoursKind { Regular, Overtime, Sick, Vacation };

// A workbook name over one column of list cells.
struct ListCells {
  std::string name;
  int column = 0;
  int firstRow = 0;  // the first row the name covers
  int lastRow = 0;
  spreadsheet::CellRange range() const {
    return spreadsheet::CellRange::of(firstRow, column, lastRow, column);
  }
};

// Cells of a header field that the user fills in.
struct HeaderInput {
  Field field;
  spreadsheet::CellRange cells;
};

// A label and the merged cells beside it that the user writes on.
struct LabelledCells {
  spreadsheet::CellRange label;
  spreadsheet::CellRange cells;
};

// The header's fields (rows 2 to 6) and the areas its alignments cover.
struct HeaderCells {
  spreadsheet::CellRange company;
  spreadsheet::CellRange address1;
  spreadsheet::CellRange address2;
  spreadsheet::CellRange cityLine;  // city, state and zip share one line
  LabelledCells employeeName;
  LabelledCells managerName;
  LabelledCells weekStarting;
  LabelledCells weekEnding;
  int smallPrintFirstRow = 0;  // the rows of 9-point text
  int smallPrintLastRow = 0;
  spreadsheet::CellRange addressColumn;  // left-aligned
  spreadsheet::CellRange nameLines;      // left, centred vertically
  spreadsheet::CellRange dateLabels;     // right, centred vertically
  spreadsheet::CellRange pastDates;      // left, centred vertically
};

// A signature: the line to sign on, the caption below it and its "Date".
struct SignatureCells {
  spreadsheet::CellRange line;
  spreadsheet::CellRange caption;
  spreadsheet::CellAddress date;
};

// A "Same as Previous" button over day column `dayColumn`, in points.
struct ButtonBox {
  int dayColumn = 0;
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  bool operator==(const ButtonBox&) const = default;
};

// Where every part of the time sheet stands for the chosen days, weeks and
// shifts: computed once, read by every layout block, the buttons and the
// driver. Rows and columns are sheet numbers from 1 (column 5 = E).
class SheetGeometry {
 public:
  // firstDay 1..7 (1 = Sunday); days Sunday first, at least one on;
  // weeks 1..4; shifts 1..20. spreadsheet::Error for anything else.
  SheetGeometry(int firstDay, const DayChoiceTable& days, int weeks, int shifts);
  static SheetGeometry of(const LayoutChoices& choices, int firstDay);

  // The sheet as it is first drawn: all seven days from the first day, one
  // week, one shift, the header not yet widened.
  SheetGeometry base() const;
  // The sheet once the days that are off have gone, before weeks and shifts
  // are copied out: the chosen days, one week, one shift, the header widened.
  SheetGeometry firstWeek() const;

  int firstDay() const { return firstDay_; }
  // Clock, lists, dates, money and the week-start date the blocks draw with.
  const SheetOptions& options() const { return options_; }
  // Every text the blocks write, in the sheet's language.
  const SheetTexts& texts() const { return SheetTextsOf(options_.language); }
  const std::vector<int>& days() const { return days_; }  // 1..7 (1 = Sunday), week order
  int dayCount() const { return static_cast<int>(days_.size()); }
  int weeks() const { return weeks_; }
  int shifts() const { return shifts_; }
  int dayColumnCount() const { return dayCount() * weeks_; }

  // Day columns are numbered 1 .. dayColumnCount() over all weeks; this is
  // the left (input) sheet column, the right one shows the computed hours.
  int dayColumn(int k) const;
  int dayColumn(int week, int position) const;  // position 1..dayCount() in the week
  int lastDayColumn() const { return dayColumn(dayColumnCount()) + 1; }  // right column
  // Days from the date anchor (the week start, or the last day when the dates
  // count back) to the day at `position` of week `week`.
  int dateOffset(int week, int position) const;
  // Day number (1 = Sunday) of the day at `position`.
  int dayAt(int position) const { return days_.at(static_cast<std::size_t>(position - 1)); }

  // Rows.
  static constexpr int kTitleRow = 1;
  static constexpr int kWeekTopRow = 7;  // a week's block: rows 7 to weekBottomRow()
  static constexpr int kFrameTopRow = 8;
  static constexpr int kDayNameRow = 9;
  static constexpr int kDateRow = 10;
  static int shiftStartRow(int shift);  // shift 1..shifts()
  int shiftEndRow(int shift) const { return shiftStartRow(shift) + 1; }
  int lunchRow() const { return 2 * shifts_ + 12; }
  int otherBreaksRow() const { return lunchRow() + 1; }
  int dailyTotalRow() const { return lunchRow() + 2; }
  int hoursRow(HoursKind kind) const { return lunchRow() + 4 + static_cast<int>(kind); }
  int frameBottomRow() const { return lunchRow() + 8; }
  int weekBottomRow() const { return frameBottomRow() + 1; }
  int signatureLineRow() const { return lunchRow() + 10; }
  int signatureCaptionRow() const { return lunchRow() + 11; }

  // Columns: the row labels (C:D), and those right of the days.
  static constexpr int kLabelColumn = 3;
  int totalHoursColumn() const { return lastDayColumn() + 1; }
  int rateColumn() const { return totalHoursColumn() + 1; }
  int payColumn() const { return totalHoursColumn() + 2; }
  int frameRightColumn() const;

  // Header: the columns inserted for six or seven days, in the header's rows
  // from kHeaderWideningColumn (N) and in the signature rows from
  // kSignatureWideningColumn (K); the week dates stand right of them.
  static constexpr int kHeaderWideningColumn = 14;
  static constexpr int kSignatureWideningColumn = 11;
  int headerWidening() const { return headerWidening_; }
  spreadsheet::CellAddress weekStartCell() const;
  spreadsheet::CellAddress weekEndCell() const;
  HeaderCells header() const;
  // A sheet with a week end and no week start counts its dates back from the
  // week end, which then takes the date rather than computing it.
  bool datesCountBack() const { return datesCountBack_; }
  spreadsheet::CellAddress dateAnchorCell() const {
    return datesCountBack_ ? weekEndCell() : weekStartCell();
  }
  // The other fields a user fills in (company, address, city line, names):
  // left of the widening, so the same for every sheet.
  static std::vector<HeaderInput> headerInputs();
  // The signatures as the base drawing has them, before any widening.
  SignatureCells employeeSignature() const;
  SignatureCells managerSignature() const;

  // The title's merged cells; its first cell is selected when the workbook opens.
  static spreadsheet::CellRange titleCells();
  // The first shift's start time of the first day: selected as the layout
  // ends, and before the sheet is activated at the end of a generation.
  static spreadsheet::CellAddress firstTimeCell();
  // Where the time lists leave the selection.
  static constexpr spreadsheet::CellAddress kAfterListsCell{6, 21};  // U6

  // The start/end times and the break durations; the break list's name
  // starts one row above its first value (an empty first entry).
  ListCells timeList() const;
  ListCells breakList() const;
  // The row-count marker the macros read, and its value (the "Vacation" row).
  static constexpr spreadsheet::CellAddress kMarkerCell{200, 55};  // BC200
  int markerValue() const { return hoursRow(HoursKind::Vacation); }

  spreadsheet::CellRange printArea() const;
  spreadsheet::CellRange usedRange() const;
  std::vector<ButtonBox> buttons() const;  // day columns 2 .. dayColumnCount()

 private:
  SheetGeometry() = default;

  int firstDay_ = 1;
  SheetOptions options_;
  std::vector<int> days_;
  int weeks_ = 1;
  int shifts_ = 1;
  int headerWidening_ = 0;
  bool datesCountBack_ = false;
};

// The button over day column k (its box whatever the days on the sheet).
ButtonBox SameAsPreviousBox(int k);

// "E9", "E9:F9": the A1 text of a cell or a range of the geometry.
std::string A1(int column, int row);
std::string A1(int column1, int row1, int column2, int row2);
std::string A1(spreadsheet::CellAddress cell);
std::string A1(const spreadsheet::CellRange& range);
// "4:6", "A:D": whole rows or whole columns.
std::string RowsA1(int first, int last);
std::string ColumnsA1(int first, int last);

}  // namespace generator
