#include "resources/template_resource.h"

#include <gtest/gtest.h>

#include "spreadsheet/vba/macro_project.h"
#include "spreadsheet/xls/workbook_file.h"

namespace {

using namespace spreadsheet;

// The template the generator starts from: written at build time, carried as
// a resource, and read back here through our own reader.
TEST(TemplateResource, IsAWorkbookWithOneEmptySheetAndTheMacro) {
  const QByteArray bytes = TemplateResourceBytes();
  ASSERT_FALSE(bytes.isEmpty());
  EXPECT_EQ(TemplateResourceBytes(), bytes);  // registering twice is harmless

  const auto book = xls::readWorkbook(
      std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                    static_cast<std::size_t>(bytes.size())));
  ASSERT_EQ(book->sheetCount(), 1u);
  EXPECT_EQ(book->sheet(0).name(), "Sheet1");
  EXPECT_EQ(book->sheet(0).codeName(), "Sheet1");
  EXPECT_FALSE(book->sheet(0).usedRange().has_value());
  EXPECT_EQ(book->defaultFont().name, "Arial Cyr");
  EXPECT_EQ(book->defaultFont().size, 10);
  EXPECT_EQ(book->codeName(), "ThisWorkbook");

  ASSERT_TRUE(book->macroProject().has_value());
  const std::vector<vba::MacroModule> modules = vba::readMacroModules(*book->macroProject());
  ASSERT_EQ(modules.size(), 3u);
  EXPECT_EQ(modules[0].name, "ThisWorkbook");
  EXPECT_EQ(modules[0].baseClassId, vba::kWorkbookClassId);
  EXPECT_EQ(modules[1].name, "Sheet1");
  EXPECT_EQ(modules[1].baseClassId, vba::kWorksheetClassId);
  EXPECT_EQ(modules[2].name, "Module1");
  EXPECT_NE(modules[2].source.find("Sub CopyTimes(lngCol As Long)"), std::string::npos);
}

}  // namespace
