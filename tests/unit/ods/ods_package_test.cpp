#include <gtest/gtest.h>
#include <zip.h>

#include <string>
#include <vector>

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/ods/basic_library.h"
#include "spreadsheet/ods/ods_file.h"

namespace spreadsheet::ods {
namespace {

const std::vector<BasicModule> kCopyModule{{"Module1", "Sub CopyTimes(lngCol As Long)\nEnd Sub\n"}};

Button button(int id, std::string onAction) {
  Button b;
  b.id = id;
  b.left = 144 + 81 * (id - 1);
  b.top = 117.75;
  b.width = 81;
  b.height = 16.5;
  b.text = "Same as Previous";
  b.onAction = std::move(onAction);
  return b;
}

// A small sheet with each fact the package carries.
void fill(Workbook& book) {
  Worksheet& sheet = book.addSheet("TimeSheet");
  sheet.cell({9, 5}).value = CellValue("Monday");
  sheet.cell({11, 5}).value = CellValue(1.0 / 3);
  Cell& total = sheet.cell({16, 5});
  total.formula = formula::parse("=E12-E11", formula::Notation::A1, {16, 5});
  total.value = CellValue(0.0);
  sheet.mergedAreas().push_back(CellRange::of(16, 5, 16, 6));
  Validation rule;
  rule.ranges = {CellRange::of(11, 5, 12, 5)};
  rule.type = xl::ValidateList;
  rule.formula1 = formula::parse("=Time0", formula::Notation::A1, {11, 5});
  rule.errorTitle = "Information";
  rule.errorMessage = "You must select time from the list on the right.";
  sheet.validations().push_back(rule);
  book.names().push_back(
      {"Time0", formula::parse("=TimeSheet!$AC$201:$AC$295", formula::Notation::A1, {1, 1}), 0});
  sheet.pageSetup().printArea = CellRange::of(1, 1, 26, 21);
  sheet.pageSetup().orientation = xl::Landscape;
  sheet.pageSetup().paperSize = xl::PaperA4;
  sheet.pageSetup().zoom.reset();
  sheet.buttons() = {button(1, "'CopyTimes 2'"), button(2, "'CopyTimes 3'")};
}

struct Entry {
  std::string name;
  std::uint16_t method;
  std::string text;
};

// Every entry of a zip package, in order, read with the zip library.
std::vector<Entry> entries(const std::vector<std::uint8_t>& bytes) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  zip_t* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
  std::vector<Entry> out;
  if (!archive) {
    zip_source_free(source);
    ADD_FAILURE() << "not a zip package";
    return out;
  }
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    zip_stat_t st;
    zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &st);
    std::string text(st.size, '\0');
    zip_file_t* f = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
    zip_fread(f, text.data(), st.size);
    zip_fclose(f);
    out.push_back({st.name, st.comp_method, text});
  }
  zip_close(archive);
  return out;
}

const Entry* find(const std::vector<Entry>& all, const std::string& name) {
  for (const Entry& e : all)
    if (e.name == name) return &e;
  return nullptr;
}

TEST(OdsPackageTest, MimetypeComesFirstStoredAndTheManifestListsEveryPart) {
  Workbook book;
  fill(book);
  const std::vector<std::uint8_t> bytes = writeOds(book, kCopyModule);
  const std::vector<Entry> all = entries(bytes);
  ASSERT_FALSE(all.empty());
  EXPECT_EQ(all[0].name, "mimetype");
  EXPECT_EQ(all[0].method, ZIP_CM_STORE);
  EXPECT_EQ(all[0].text, "application/vnd.oasis.opendocument.spreadsheet");
  // Readers find the media type at a fixed offset: no extra field before it.
  EXPECT_EQ(std::string(bytes.begin() + 30, bytes.begin() + 38), "mimetype");
  const Entry* manifest = find(all, "META-INF/manifest.xml");
  ASSERT_NE(manifest, nullptr);
  for (const Entry& e : all) {
    if (e.name != "mimetype" && e.name != "META-INF/manifest.xml") {
      EXPECT_NE(manifest->text.find("manifest:full-path=\"" + e.name + "\""), std::string::npos)
          << e.name;
    }
  }
  EXPECT_EQ(
      manifest->text,
      R"(<?xml version="1.0" encoding="UTF-8"?><manifest:manifest )"
      R"(xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.3">)"
      R"(<manifest:file-entry manifest:full-path="/" manifest:version="1.3" )"
      R"(manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>)"
      R"(<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>)"
      R"(<manifest:file-entry manifest:full-path="styles.xml" manifest:media-type="text/xml"/>)"
      R"(<manifest:file-entry manifest:full-path="Basic/script-lc.xml" manifest:media-type="text/xml"/>)"
      R"(<manifest:file-entry manifest:full-path="Basic/Standard/script-lb.xml" )"
      R"(manifest:media-type="text/xml"/><manifest:file-entry )"
      R"(manifest:full-path="Basic/Standard/Module1.xml" manifest:media-type="text/xml"/>)"
      R"(<manifest:file-entry manifest:full-path="Basic/Standard/ButtonMacros.xml" )"
      R"(manifest:media-type="text/xml"/></manifest:manifest>)"
      "\n");
  for (const char* part :
       {"content.xml", "styles.xml", "Basic/script-lc.xml", "Basic/Standard/script-lb.xml",
        "Basic/Standard/Module1.xml", "Basic/Standard/ButtonMacros.xml"})
    EXPECT_NE(find(all, part), nullptr) << part;
  EXPECT_EQ(writeOds(book, kCopyModule), bytes);  // equal inputs, equal bytes
}

TEST(OdsPackageTest, ContentHoldsTheSheetFacts) {
  Workbook book;
  fill(book);
  const std::vector<Entry> all = entries(writeOds(book, kCopyModule));
  const Entry* content = find(all, "content.xml");
  ASSERT_NE(content, nullptr);
  const std::string& x = content->text;
  for (
      const char* fact : {
          R"x(table:print-ranges="TimeSheet.A1:TimeSheet.U26")x",
          R"x(table:number-columns-spanned="2" table:number-rows-spanned="1")x",
          R"x(<table:covered-table-cell)x",
          R"x(table:formula="of:=[.E12]-[.E11]")x",
          R"x(table:condition="of:cell-content-is-in-list(Time0)")x",
          R"x(<table:named-range table:name="Time0")x",
          R"x(table:cell-range-address="$TimeSheet.$AC$201:.$AC$295")x",
          R"x(office:value-type="float" office:value="0.3333333333333333")x",
          R"x(office:value="0"><text:p>0</text:p>)x",  // a value cell shows its text
          R"x(form:label="Same as Previous")x",
          R"x(form:printable="false" form:focus-on-click="false")x",
          R"x(xlink:href="vnd.sun.star.script:Standard.ButtonMacros.CopyTimes_2?language=Basic&amp;location=document")x",
          R"x(svg:width="81pt" svg:height="16.5pt")x",
      })
    EXPECT_NE(x.find(fact), std::string::npos) << fact;
  const Entry* styles = find(all, "styles.xml");
  ASSERT_NE(styles, nullptr);
  EXPECT_NE(styles->text.find(R"x(fo:page-width="841.89pt" fo:page-height="595.28pt")x"),
            std::string::npos);
  EXPECT_NE(styles->text.find(R"x(style:print-orientation="landscape")x"), std::string::npos);
  EXPECT_NE(styles->text.find(R"x(style:scale-to-X="1" style:scale-to-Y="1")x"), std::string::npos);
  EXPECT_NE(styles->text.find(R"x(style:print="objects charts drawings zero-values")x"),
            std::string::npos);
}

TEST(OdsBasicLibraryTest, ButtonsCallTheirSubThroughAGeneratedSubWithoutArguments) {
  Workbook book;
  Worksheet& sheet = book.addSheet("TimeSheet");
  sheet.buttons() = {button(1, "'CopyTimes 2'"),        button(2, "CopyTimes 3"),
                     button(3, "'CopyTimes 2'"),        button(4, "'Missing 4'"),
                     button(5, "'CopyTimes 5; Shell'"), button(6, "")};
  const BasicLibrary library = bindButtons(book, kCopyModule);
  const std::string prefix = "vnd.sun.star.script:Standard.ButtonMacros.";
  const std::string suffix = "?language=Basic&location=document";
  EXPECT_EQ(library.scripts.at({0, 0}), prefix + "CopyTimes_2" + suffix);
  EXPECT_EQ(library.scripts.at({0, 1}), prefix + "CopyTimes_3" + suffix);
  EXPECT_EQ(library.scripts.at({0, 2}), prefix + "CopyTimes_2" + suffix);
  // A Sub the modules lack, text that is no call, and no action stay unbound.
  EXPECT_EQ(library.scripts.size(), 3u);
  ASSERT_EQ(library.modules.size(), 2u);
  EXPECT_EQ(library.modules[1].name, "ButtonMacros");
  const std::string& source = library.modules[1].source;
  EXPECT_NE(source.find("Sub CopyTimes_2\n    CopyTimes 2\nEnd Sub\n"), std::string::npos)
      << source;
  EXPECT_NE(source.find("Sub CopyTimes_3\n    CopyTimes 3\nEnd Sub\n"), std::string::npos)
      << source;
  EXPECT_EQ(source.find("CopyTimes_2", source.find("CopyTimes_2") + 1), std::string::npos)
      << "written twice";

  EXPECT_TRUE(bindButtons(book, {}).scripts.empty());
  EXPECT_THROW(bindButtons(book, {{"Bad Name", "Sub X\nEnd Sub"}}), Error);
  EXPECT_THROW(bindButtons(book, {{"ButtonMacros", "Sub X\nEnd Sub"}}), Error);
}

}  // namespace
}  // namespace spreadsheet::ods
