#pragma once

// The spreadsheet application's numeric constants, as callers pass them.
namespace spreadsheet::xl {

// Borders(index)
inline constexpr int DiagonalDown = 5;
inline constexpr int DiagonalUp = 6;
inline constexpr int EdgeLeft = 7;
inline constexpr int EdgeTop = 8;
inline constexpr int EdgeBottom = 9;
inline constexpr int EdgeRight = 10;
inline constexpr int InsideVertical = 11;
inline constexpr int InsideHorizontal = 12;

// LineStyle
inline constexpr int LineNone = -4142;
inline constexpr int Continuous = 1;
inline constexpr int Dash = -4115;
inline constexpr int DashDot = 4;
inline constexpr int DashDotDot = 5;
inline constexpr int Dot = -4118;
inline constexpr int Double = -4119;
inline constexpr int SlantDashDot = 13;

// Weight
inline constexpr int Hairline = 1;
inline constexpr int Thin = 2;
inline constexpr int Medium = -4138;
inline constexpr int Thick = 4;

// ColorIndex
inline constexpr int ColorAutomatic = -4105;
inline constexpr int ColorNone = -4142;

// HorizontalAlignment / VerticalAlignment
inline constexpr int General = 1;
inline constexpr int Left = -4131;
inline constexpr int Center = -4108;
inline constexpr int Right = -4152;
inline constexpr int Fill = 5;
inline constexpr int Justify = -4130;
inline constexpr int CenterAcrossSelection = 7;
inline constexpr int Distributed = -4117;
inline constexpr int Top = -4160;
inline constexpr int Bottom = -4107;

// Insert / Delete Shift
inline constexpr int ShiftToLeft = -4159;
inline constexpr int ShiftToRight = -4161;
inline constexpr int ShiftDown = -4121;
inline constexpr int ShiftUp = -4162;

// SpecialCells: which cells, and for constants and formulas which values
inline constexpr int CellTypeConstants = 2;
inline constexpr int CellTypeFormulas = -4123;
inline constexpr int Numbers = 1;
inline constexpr int TextValues = 2;
inline constexpr int Logical = 4;
inline constexpr int Errors = 16;

// Underline
inline constexpr int UnderlineNone = -4142;
inline constexpr int UnderlineSingle = 2;
inline constexpr int UnderlineDouble = -4119;

// Validation
inline constexpr int ValidateInputOnly = 0;
inline constexpr int ValidateWholeNumber = 1;
inline constexpr int ValidateDecimal = 2;
inline constexpr int ValidateList = 3;
inline constexpr int ValidateDate = 4;
inline constexpr int ValidateTime = 5;
inline constexpr int ValidateTextLength = 6;
inline constexpr int ValidateCustom = 7;
inline constexpr int ValidAlertStop = 1;
inline constexpr int ValidAlertWarning = 2;
inline constexpr int ValidAlertInformation = 3;
inline constexpr int Between = 1;
inline constexpr int NotBetween = 2;
inline constexpr int Equal = 3;
inline constexpr int NotEqual = 4;
inline constexpr int Greater = 5;
inline constexpr int Less = 6;
inline constexpr int GreaterEqual = 7;
inline constexpr int LessEqual = 8;

// PageSetup
inline constexpr int Portrait = 1;
inline constexpr int Landscape = 2;
inline constexpr int PaperLetter = 1;
inline constexpr int PaperA4 = 9;
inline constexpr int PrintNoComments = -4142;
inline constexpr int PrintSheetEnd = 1;
inline constexpr int PrintInPlace = 16;

// SaveAs FileFormat codes that mean the Excel 97-2003 workbook
inline constexpr int Excel8 = 56;
inline constexpr int WorkbookNormal = -4143;

// Application.Cursor
inline constexpr int CursorDefault = -4143;
inline constexpr int CursorWait = 2;

}  // namespace spreadsheet::xl
