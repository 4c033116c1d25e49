#include "spreadsheet/formats/workbook_format.h"

#include <gtest/gtest.h>

#include <string>

namespace spreadsheet::formats {
namespace {

using F = WorkbookFormat;

TEST(WorkbookFormatTest, EndingsPickTheirFormatInAnyCase) {
  const struct {
    const char* path;
    std::optional<F> format;
  } cases[] = {
      {"sheet.xls", F::Xls},
      {"sheet.xlsx", F::Xlsx},
      {"sheet.xlsm", F::Xlsm},
      {"sheet.ods", F::Ods},
      {"SHEET.XLS", F::Xls},
      {"Sheet.XlSx", F::Xlsx},
      {"/tmp/a.b/sheet.XLSM", F::Xlsm},
      {"dir/sheet.ODS", F::Ods},
      {"sheet.xls.ods", F::Ods},
      {"sheet.csv", std::nullopt},
      {"sheet.xl", std::nullopt},
      {"sheet.xlsb", std::nullopt},
      {"sheet.ods.bak", std::nullopt},
      {"sheet", std::nullopt},
      {"x.xls/sheet", std::nullopt},
      {".xls", std::nullopt},
      {"dir/.ods", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatForPath(c.path), c.format) << c.path;
}

TEST(WorkbookFormatTest, OutputWithoutEndingIsTheDefaultXlsAndUnknownEndingsAreRefused) {
  EXPECT_EQ(FormatForOutput("sheet"), F::Xls);
  EXPECT_EQ(FormatForOutput("/home/u.v/sheet"), F::Xls);
  EXPECT_EQ(FormatForOutput(".hidden"), F::Xls);
  EXPECT_EQ(FormatForOutput("sheet.Xlsx"), F::Xlsx);
  EXPECT_EQ(FormatForOutput("sheet.txt"), std::nullopt);
  EXPECT_EQ(FormatForOutput("sheet."), std::nullopt);
  EXPECT_EQ(FormatForOutput("archive.tar.gz"), std::nullopt);
}

TEST(WorkbookFormatTest, SaveAsCodesMapOntoTheFormatsAndOthersAreRefused) {
  EXPECT_EQ(FormatForCode(56), F::Xls);
  EXPECT_EQ(FormatForCode(-4143), F::Xls);
  EXPECT_EQ(FormatForCode(51), F::Xlsx);
  EXPECT_EQ(FormatForCode(52), F::Xlsm);
  EXPECT_EQ(FormatForCode(60), F::Ods);
  for (int code : {0, 1, 6, 39, 43, 50, 53, 57, 61, -4142, -4158})
    EXPECT_EQ(FormatForCode(code), std::nullopt) << code;
}

TEST(WorkbookFormatTest, TheExcelWorkbookComesFirstAndMessagesNameAllFourEndings) {
  ASSERT_EQ(AllFormats().size(), 4u);
  EXPECT_EQ(AllFormats().front().format, F::Xls);
  EXPECT_EQ(AllFormats().front().description, "Excel Files");
  EXPECT_EQ(EndingsText(), ".xls, .xlsx, .xlsm and .ods");
}

}  // namespace
}  // namespace spreadsheet::formats
