#include "spreadsheet/xlsx/xlsx_file.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <string>

#include "spreadsheet/cfb/compound_file.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/vba/macro_project.h"
#include "spreadsheet/xlsx/vba_project_bin.h"

namespace spreadsheet::xlsx {
namespace {

MacroProject project() {
  return vba::buildMacroProject(
      {{"ThisWorkbook", true, "", std::string(vba::kWorkbookClassId)},
       {"Sheet1", true, "", std::string(vba::kWorksheetClassId)},
       {"Module1", false, "Sub CopyTimes(lngCol As Long)\r\nEnd Sub\r\n", ""}});
}

void fill(Workbook& book) {
  Worksheet& sheet = book.addSheet("TimeSheet");
  sheet.setCodeName("Sheet1");
  book.setCodeName("ThisWorkbook");
  sheet.cell({9, 5}).value = CellValue("Monday");
  Cell& total = sheet.cell({16, 5});
  total.formula = formula::parse("=E12-E11", formula::Notation::A1, {16, 5});
  total.value = CellValue(0.0);
  Button b;
  b.id = 1;
  b.left = 144;
  b.top = 117.75;
  b.width = 81;
  b.height = 16.5;
  b.text = "Same as Previous";
  b.onAction = "'CopyTimes 2'";
  sheet.buttons().push_back(b);
}

// The project storage's streams move to the root of their own compound file.
TEST(VbaProjectBinTest, HoldsTheProjectStreamsAtItsRoot) {
  const MacroProject p = project();
  const cfb::StreamMap streams = cfb::readCompoundFile(vbaProjectBin(p));
  ASSERT_EQ(streams.size(), p.streams.size());
  for (const char* path : {"PROJECT", "PROJECTwm", "VBA/_VBA_PROJECT", "VBA/dir", "VBA/Module1",
                           "VBA/Sheet1", "VBA/ThisWorkbook"}) {
    ASSERT_TRUE(streams.count(path)) << path;
    const auto& original = p.streams.at(std::string("_VBA_PROJECT_CUR/") + path);
    EXPECT_EQ(streams.at(path), std::vector<std::uint8_t>(original.begin(), original.end()))
        << path;
  }
  MacroProject stray = p;
  stray.streams["Workbook"] = {1, 2, 3};
  EXPECT_THROW(vbaProjectBin(stray), Error);
}

TEST(XlsxFileTest, EqualWorkbooksGiveEqualBytesAndOnlyTheMacroEnabledOneCarriesTheProject) {
  Workbook book;
  fill(book);
  book.macroProject() = project();
  const std::vector<std::uint8_t> xlsx = writeXlsx(book, Macros::LeftOut);
  const std::vector<std::uint8_t> xlsm = writeXlsx(book, Macros::Kept);
  EXPECT_EQ(writeXlsx(book, Macros::LeftOut), xlsx);
  EXPECT_EQ(writeXlsx(book, Macros::Kept), xlsm);
  const auto holds = [](const std::vector<std::uint8_t>& bytes, const std::string& text) {
    return std::string(bytes.begin(), bytes.end()).find(text) != std::string::npos;
  };
  // Zip entry names are stored as plain text in the package.
  EXPECT_FALSE(holds(xlsx, "xl/vbaProject.bin"));
  EXPECT_FALSE(holds(xlsx, "vmlDrawing"));
  EXPECT_TRUE(holds(xlsm, "xl/vbaProject.bin"));
  EXPECT_TRUE(holds(xlsm, "xl/drawings/vmlDrawing1.vml"));
}

// One entry of a zip package as text; empty when it is missing.
std::string entry(const std::vector<std::uint8_t>& package, const char* name) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(package.data(), package.size(), 0, &error);
  zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
  if (!archive) {
    zip_source_free(source);
    return {};
  }
  std::string text;
  zip_stat_t st;
  if (zip_stat(archive, name, 0, &st) == 0) {
    text.resize(st.size);
    zip_file_t* f = zip_fopen(archive, name, 0);
    zip_fread(f, text.data(), st.size);
    zip_fclose(f);
  }
  zip_close(archive);
  return text;
}

TEST(XlsxFileTest, ButtonsGetTheirFontAndTheirPlaceInPoints) {
  Workbook book;
  fill(book);
  book.macroProject() = project();
  FontRun small;
  small.fontName = "Arial";
  small.size = 8;
  book.sheet(0).buttons()[0].runs = {small};
  const std::string vml = entry(writeXlsx(book, Macros::Kept), "xl/drawings/vmlDrawing1.vml");
  // 144 pt = 192 px across; 117.75 pt = 157 px down; 81 x 16.5 pt = 108 x 22 px.
  EXPECT_NE(vml.find("margin-left:144pt;margin-top:117.75pt;width:81pt;height:16.5pt;"),
            std::string::npos)
      << vml;
  EXPECT_NE(vml.find("<font face=\"Arial\" size=\"160\""), std::string::npos) << vml;
  EXPECT_EQ(vml.find("Calibri"), std::string::npos);
  EXPECT_NE(vml.find("<x:FmlaMacro>[0]!'CopyTimes 2'</x:FmlaMacro>"), std::string::npos);
}

TEST(XlsxFileTest, RefusesWhatItCannotWriteFaithfully) {
  Workbook book;
  fill(book);
  // A macro-enabled workbook without macros would name macros nobody has.
  EXPECT_THROW(writeXlsx(book, Macros::Kept), Error);
  Validation rule;
  rule.ranges = {CellRange::of({11, 5})};
  rule.type = xl::ValidateWholeNumber;
  book.sheet(0).validations().push_back(rule);
  EXPECT_THROW(writeXlsx(book, Macros::LeftOut), Error);
}

}  // namespace
}  // namespace spreadsheet::xlsx
