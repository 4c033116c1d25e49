#include "spreadsheet/vba/macro_project.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "resources/macro_tables.h"
#include "spreadsheet/model/address.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/vba/vba_dir.h"
#include "spreadsheet/vba/vba_obfuscation.h"

namespace spreadsheet::vba {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A macro module as it goes into the template: its day-column table filled in.
std::string readResource(const std::string& relative) {
  std::ifstream in(std::string(TALLYLOOM_SOURCE_DIR) + "/resources/" + relative, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return macro_tables::Fill(s.str(), {}, macro_tables::Dialect::Vba);
}

std::vector<MacroModule> templateModules() {
  return {{"ThisWorkbook", true, "", std::string(kWorkbookClassId)},
          {"Sheet1", true, "", std::string(kWorksheetClassId)},
          {"Module1", false, readResource("vba/Module1.bas"), ""}};
}

std::string textOf(const Bytes& b) {
  return std::string(b.begin(), b.end());
}

TEST(MacroProject, HoldsEveryStreamOfASourceOnlyProject) {
  const MacroProject p = buildMacroProject(templateModules());
  std::vector<std::string> keys;
  for (const auto& [key, bytes] : p.streams) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{
                      "_VBA_PROJECT_CUR/PROJECT", "_VBA_PROJECT_CUR/PROJECTwm",
                      "_VBA_PROJECT_CUR/VBA/Module1", "_VBA_PROJECT_CUR/VBA/Sheet1",
                      "_VBA_PROJECT_CUR/VBA/ThisWorkbook", "_VBA_PROJECT_CUR/VBA/_VBA_PROJECT",
                      "_VBA_PROJECT_CUR/VBA/dir"}));
  // Fixed header only, version 0xFFFF: no compiled cache to trust.
  const Bytes& vba = p.streams.at("_VBA_PROJECT_CUR/VBA/_VBA_PROJECT");
  ASSERT_EQ(vba.size(), 7u);
  EXPECT_EQ(Bytes(vba.begin(), vba.begin() + 5), (Bytes{0xCC, 0x61, 0xFF, 0xFF, 0x00}));
  EXPECT_EQ(buildMacroProject(templateModules()), p);  // deterministic
}

TEST(MacroProject, DirStreamDescribesTheModules) {
  const MacroProject p = buildMacroProject(templateModules());
  const DirInfo dir =
      decodeDirRecords(decompressContainer(p.streams.at("_VBA_PROJECT_CUR/VBA/dir")));
  EXPECT_EQ(dir.projectName, "VBAProject");
  EXPECT_EQ(dir.codePage, 1252);
  EXPECT_EQ(dir.lcid, 0x409u);
  ASSERT_EQ(dir.references.size(), 1u);
  EXPECT_EQ(dir.references[0].name, "stdole");
  EXPECT_NE(dir.references[0].libid.find("{00020430-0000-0000-C000-000000000046}"),
            std::string::npos);
  EXPECT_EQ(dir.modules, (std::vector<DirModule>{{"ThisWorkbook", "ThisWorkbook", true, 0},
                                                 {"Sheet1", "Sheet1", true, 0},
                                                 {"Module1", "Module1", false, 0}}));
  // Writing what was read gives the same records.
  EXPECT_EQ(compressContainer(encodeDirRecords(dir)), p.streams.at("_VBA_PROJECT_CUR/VBA/dir"));
}

TEST(MacroProject, ModuleSourcesCarryTheirAttributes) {
  const std::vector<MacroModule> read = readMacroModules(buildMacroProject(templateModules()));
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[0].baseClassId, kWorkbookClassId);
  EXPECT_EQ(read[1].baseClassId, kWorksheetClassId);
  EXPECT_TRUE(read[1].source.starts_with(
      "Attribute VB_Name = \"Sheet1\"\r\n"
      "Attribute VB_Base = \"0{00020820-0000-0000-C000-000000000046}\"\r\n"));
  EXPECT_NE(read[1].source.find("Attribute VB_PredeclaredId = True\r\n"), std::string::npos);

  const std::string& code = read[2].source;
  EXPECT_TRUE(code.starts_with("Attribute VB_Name = \"Module1\"\r\nOption Explicit\r\n"));
  EXPECT_EQ(code.find("Attribute VB_Name", 1), std::string::npos);  // not doubled
  EXPECT_NE(code.find("Sub CopyTimes(lngCol As Long)\r\n"), std::string::npos);
  EXPECT_EQ(code.find('\n'), code.find("\r\n") + 1);
  EXPECT_TRUE(code.ends_with("End Function\r\n"));
}

TEST(MacroProject, ProjectTextListsModulesAndNoProtection) {
  const MacroProject p = buildMacroProject(templateModules());
  const std::string text = textOf(p.streams.at("_VBA_PROJECT_CUR/PROJECT"));
  EXPECT_TRUE(text.starts_with("ID=\"{"));
  EXPECT_NE(text.find("\r\nDocument=ThisWorkbook/&H00000000\r\nDocument=Sheet1/&H00000000\r\n"
                      "Module=Module1\r\nName=\"VBAProject\"\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\r\n\r\n[Host Extender Info]\r\n&H00000001={3832D640-CF90-11CF-8E43-"
                      "00A0C911005A};VBE;&H00000000\r\n"),
            std::string::npos);
  const std::pair<const char*, Bytes> values[] = {
      {"CMG", {0, 0, 0, 0}}, {"DPB", {0}}, {"GC", {0xFF}}};
  for (const auto& [key, expected] : values) {
    std::smatch m;
    ASSERT_TRUE(
        std::regex_search(text, m, std::regex(std::string("\r\n") + key + "=\"([0-9A-F]+)\"\r\n")))
        << key;
    Bytes raw;
    for (std::size_t i = 0; i < m[1].str().size(); i += 2)
      raw.push_back(static_cast<std::uint8_t>(std::stoi(m[1].str().substr(i, 2), nullptr, 16)));
    EXPECT_EQ(deobfuscate(raw), expected) << key;
  }
}

TEST(MacroProject, NameMapHoldsEachNameTwice) {
  const MacroProject p = buildMacroProject({{"M1", false, "Sub A()\nEnd Sub", ""}});
  EXPECT_EQ(p.streams.at("_VBA_PROJECT_CUR/PROJECTwm"),
            (Bytes{'M', '1', 0, 'M', 0, '1', 0, 0, 0, 0, 0}));
}

TEST(MacroProject, RefusesBadModulesAndBuildsNothing) {
  const std::vector<MacroModule> bad[] = {
      {{"", false, "", ""}},
      {{"1Module", false, "", ""}},
      {{"My Module", false, "", ""}},
      {{std::string(32, 'A'), false, "", ""}},
      {{"Module1", false, "", ""}, {"MODULE1", false, "", ""}},
      {{"Module1", false, "' caf\xC3\xA9", ""}},
      {{"ThisWorkbook", true, "", ""}},
      {{"Module1", false, "", std::string(kWorkbookClassId)}},
  };
  for (const auto& modules : bad) EXPECT_THROW(buildMacroProject(modules), Error);
  EXPECT_NO_THROW(buildMacroProject({{std::string(31, 'A'), false, "", ""}}));
}

TEST(MacroProject, ReadingRefusesMissingOrDamagedStreams) {
  MacroProject p = buildMacroProject(templateModules());
  MacroProject noModule = p;
  noModule.streams.erase("_VBA_PROJECT_CUR/VBA/Module1");
  EXPECT_THROW(readMacroModules(noModule), Error);
  p.streams["_VBA_PROJECT_CUR/VBA/dir"].resize(10);
  EXPECT_THROW(readMacroModules(p), Error);
}

// The macro and the button procedure share one table of day-column letters;
// a typo in the macro's copy would send the copy to the wrong column.
TEST(CopyTimesMacro, DayColumnTableMatchesTheSheetColumns) {
  const std::string code = readResource("vba/Module1.bas");
  const std::size_t start = code.find("letters = Array(");
  ASSERT_NE(start, std::string::npos);
  const std::string table = code.substr(start, code.find(')', start) - start);
  std::vector<std::string> letters;
  const std::regex quoted("\"([A-Z]+)\"");
  for (auto it = std::sregex_iterator(table.begin(), table.end(), quoted);
       it != std::sregex_iterator(); ++it)
    letters.push_back((*it)[1]);
  ASSERT_EQ(letters.size(), 40u);
  for (int k = 1; k <= 40; ++k) EXPECT_EQ(letters[k - 1], ColumnLetters(5 + 2 * (k - 1))) << k;

  EXPECT_NE(code.find("Array(\"Monday\", \"Tuesday\", \"Wednesday\", \"Thursday\", \"Friday\", "
                      "\"Saturday\", \"Sunday\")"),
            std::string::npos);
  EXPECT_NE(code.find("MsgBox \"There is no data to copy.\", vbInformation, \"Information\""),
            std::string::npos);
}

}  // namespace
}  // namespace spreadsheet::vba
