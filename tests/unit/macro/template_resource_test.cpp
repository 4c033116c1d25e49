#include "resources/template_resource.h"

#include <gtest/gtest.h>

#include "resources/basic/basic_modules.h"
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

// CopyTimes speaks the sheet's language: each language's template (VBA) and
// .ods module (Basic) look for that language's day names in row 9 and say so
// in it when there is nothing to copy, VBA spelling out what its code page
// might not hold.
TEST(TemplateResource, EachLanguagesMacrosUseItsDayNamesAndMessage) {
  const struct {
    generator::SheetLanguage language;
    const char* vba;
    const char* basic;
  } cases[] = {
      {generator::SheetLanguage::English,
       R"(Array("Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"))",
       R"(Array("Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"))"},
      {generator::SheetLanguage::German,
       R"(Array("Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"))",
       R"(Array("Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"))"},
      {generator::SheetLanguage::French,
       R"(Array("Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi", "Dimanche"))",
       R"(Array("Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi", "Dimanche"))"},
      {generator::SheetLanguage::Spanish,
       R"(Array("Lunes", "Martes", "Mi" & ChrW(233) & "rcoles", "Jueves", "Viernes", "S" & ChrW(225) & "bado", "Domingo"))",
       "Array(\"Lunes\", \"Martes\", \"Mi\u00e9rcoles\", \"Jueves\", \"Viernes\", "
       "\"S\u00e1bado\", \"Domingo\")"},
      {generator::SheetLanguage::English,
       R"(MsgBox "There is no data to copy.", vbInformation, "Information")",
       R"(MsgBox "There is no data to copy.", 64, "Information")"},
      {generator::SheetLanguage::French,
       R"(MsgBox "Il n'y a aucune donn" & ChrW(233) & "e " & ChrW(224) & " copier.", vbInformation, "Information")",
       "MsgBox \"Il n'y a aucune donn\u00e9e \u00e0 copier.\", 64, \"Information\""},
      {generator::SheetLanguage::Spanish,
       R"(MsgBox "No hay datos que copiar.", vbInformation, "Informaci" & ChrW(243) & "n")",
       "MsgBox \"No hay datos que copiar.\", 64, \"Informaci\u00f3n\""},
  };
  for (const auto& c : cases) {
    const QByteArray bytes = TemplateResourceBytes(c.language);
    ASSERT_FALSE(bytes.isEmpty()) << int(c.language);
    const auto book = xls::readWorkbook(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())));
    const std::string vba = vba::readMacroModules(*book->macroProject()).at(2).source;
    EXPECT_NE(vba.find(c.vba), std::string::npos) << vba;
    const std::string basic = TemplateBasicModules({c.language, false}).at(0).source;
    EXPECT_NE(basic.find(c.basic), std::string::npos) << basic;
  }
}

}  // namespace
