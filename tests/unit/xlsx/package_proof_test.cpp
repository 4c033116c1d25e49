#include "spreadsheet/xlsx/package_proof.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <string>
#include <utility>
#include <vector>

namespace spreadsheet::xlsx {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A zip archive of the given entries, compressed as any writer would.
Bytes zipOf(const std::vector<std::pair<std::string, std::string>>& entries) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* memory = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_source_keep(memory);
  zip_t* archive = zip_open_from_source(memory, ZIP_TRUNCATE, &error);
  for (const auto& [name, text] : entries)
    zip_file_add(archive, name.c_str(), zip_source_buffer(archive, text.data(), text.size(), 0), 0);
  zip_close(archive);
  Bytes bytes;
  zip_stat_t st;
  if (zip_source_stat(memory, &st) == 0 && zip_source_open(memory) == 0) {
    bytes.resize(st.size);
    zip_source_read(memory, bytes.data(), st.size);
    zip_source_close(memory);
  }
  zip_source_free(memory);
  return bytes;
}

TEST(PackageProofTest, CompleteXmlIsOneClosedTreeAndNothingCutOff) {
  const std::pair<const char*, bool> cases[] = {
      {"<?xml version=\"1.0\"?>\n<a x=\"1>2\" y='/'><b/><c>t</c></a>", true},
      {"<a><!-- </a> --><![CDATA[</a>]]></a>\r\n", true},
      {"<a></a >", true},
      {"<a><b></a></b>", false},           // closed out of order
      {"<a><b/>", false},                  // cut after a child
      {"<a><b x=\"1", false},              // cut inside a value
      {"<a/><b/>", false},                 // two roots
      {"<a>text</a>tail", false},          // text after the root
      {"<?xml version=\"1.0\"?>", false},  // no root at all
      {"", false},
  };
  for (const auto& [xml, complete] : cases) EXPECT_EQ(completeXml(xml), complete) << xml;
}

TEST(PackageProofTest, FindsThePartThatIsNotWhole) {
  std::string sheet = "<?xml version=\"1.0\"?>\n<worksheet><sheetData>";
  for (int row = 1; row <= 2000; ++row)
    sheet += "<row r=\"" + std::to_string(row) + "\"><c r=\"A" + std::to_string(row) +
             "\"><v>1</v></c></row>";
  sheet += "</sheetData></worksheet>";
  const std::string rels = "<Relationships><Relationship Id=\"rId1\"/></Relationships>";
  const std::string binary(3000, '\x01');
  const Bytes whole =
      zipOf({{"_rels/.rels", rels}, {"xl/worksheets/sheet1.xml", sheet}, {"xl/vba.bin", binary}});
  EXPECT_EQ(packageFault(whole), std::nullopt);

  // What a writer that missed a full disk leaves: a consistent zip, a part cut at 16 KiB.
  const Bytes cut = zipOf({{"_rels/.rels", rels},
                           {"xl/worksheets/sheet1.xml", sheet.substr(0, 16384)},
                           {"xl/vba.bin", binary}});
  EXPECT_EQ(packageFault(cut), "xl/worksheets/sheet1.xml is cut short");

  Bytes changed = whole;
  changed[changed.size() / 3] ^= 0x55;  // inside the sheet's compressed data
  const auto fault = packageFault(changed);
  ASSERT_TRUE(fault.has_value());
  EXPECT_NE(fault->find("xl/worksheets/sheet1.xml"), std::string::npos) << *fault;

  const Bytes shortened(whole.begin(), whole.begin() + static_cast<long>(whole.size() * 2 / 3));
  EXPECT_NE(packageFault(shortened).value_or("").find("cannot be opened"), std::string::npos);
}

}  // namespace
}  // namespace spreadsheet::xlsx
