// Fixed records byte for byte, and each record's reader taking back what its writer wrote.
#include <gtest/gtest.h>

#include <cmath>

#include "spreadsheet/model/error.h"
#include "spreadsheet/xls/cell_records.h"
#include "spreadsheet/xls/drawing_records.h"
#include "spreadsheet/xls/globals_records.h"
#include "spreadsheet/xls/sheet_records.h"
#include "spreadsheet/xls/style_records.h"
#include "spreadsheet/xls/validation_records.h"
#include "test_workbooks.h"

namespace spreadsheet::xls {
namespace {

using Bytes = std::vector<std::uint8_t>;

template <class Write>
Bytes written(Write write) {
  RecordWriter out;
  write(out);
  return out.bytes();
}

// The only record of `bytes`, as a reader.
ByteReader only(const Bytes& bytes) {
  static std::vector<RawRecord> records;
  records = splitRecords(bytes);
  EXPECT_EQ(records.size(), 1u);
  return records.at(0).reader();
}

TEST(FixedRecords, MatchTheirBytes) {
  EXPECT_EQ(written([](RecordWriter& o) { writeBof(o, SubstreamType::Worksheet); }),
            (Bytes{0x09, 0x08, 0x10, 0x00, 0x00, 0x06, 0x10, 0x00, 0xBB, 0x0D,
                   0xCC, 0x07, 0,    0,    0,    0,    6,    0,    0,    0}));
  EXPECT_EQ(written([](RecordWriter& o) { writeWindow2(o, true); }),
            (Bytes{0x3E, 0x02, 0x12, 0x00, 0xB6, 0x06, 0, 0, 0, 0, 0x40,
                   0,    0,    0,    0,    0,    0,    0, 0, 0, 0, 0}));
  // An empty header and footer: a string of no characters, not an empty record.
  EXPECT_EQ(written([](RecordWriter& o) { writeEmptyHeaderFooter(o, kHeader); }),
            (Bytes{0x14, 0x00, 0x03, 0x00, 0x00, 0x00, 0x00}));
  EXPECT_EQ(written([](RecordWriter& o) { writeEmptyHeaderFooter(o, kFooter); }),
            (Bytes{0x15, 0x00, 0x03, 0x00, 0x00, 0x00, 0x00}));
  ColumnSpan seven;
  seven.width = 1974;  // 7 characters: 54 px
  seven.customWidth = true;
  EXPECT_EQ(written([&](RecordWriter& o) { writeColInfo(o, seven); }),
            (Bytes{0x7D, 0x00, 0x0C, 0x00, 0, 0, 0, 0, 0xB6, 0x07, 0x0F, 0x00, 0x02, 0x00, 0, 0}));
  ButtonObj obj;  // locked, not printed
  obj.id = 1;
  obj.macro = std::make_pair(std::uint16_t{2}, std::uint32_t{3});
  EXPECT_EQ(written([&](RecordWriter& o) { writeObj(o, obj); }),
            (Bytes{0x5D, 0x00, 0x2C, 0x00, 0x15, 0x00, 0x12, 0x00, 0x07, 0x00, 0x01, 0x00,
                   0x01, 0x00, 0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
                   0,    0,    0x04, 0x00, 0x0E, 0x00, 0x07, 0x00, 0,    0,    0,    0,
                   0x39, 0x02, 0x00, 0x03, 0,    0,    0,    0,    0,    0,    0,    0}));
  EXPECT_EQ(readObj(only(written([&](RecordWriter& o) { writeObj(o, obj); }))), obj);
}

TEST(FixedRecords, PaletteHoldsFiftySixColours) {
  Bytes b = written([](RecordWriter& o) { writePalette(o, defaultPalette()); });
  ASSERT_EQ(b.size(), 4u + 2 + 56 * 4);
  EXPECT_EQ(Bytes(b.begin(), b.begin() + 14),
            (Bytes{0x92, 0x00, 0xE2, 0x00, 56, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}));
  Palette p = defaultPalette();
  p[55] = rgb(1, 2, 3);
  EXPECT_EQ(readPalette(only(written([&](RecordWriter& o) { writePalette(o, p); }))), p);
}

TEST(ValidationRecords, ListFromANameMatchesItsBytes) {
  Validation v;
  v.ranges = {CellRange::of(5, 3, 10, 3)};
  v.type = xl::ValidateList;
  v.formula1 = testing::name("Time0");
  CompileFn compile = [](const FormulaNode& n) {
    return compileFormula(n, FormulaPlace::Validation, {[](const std::string&) { return 2u; }, {}});
  };
  Bytes b = written([&](RecordWriter& o) { writeDv(o, v, compile); });
  Bytes want = {
      0xBE, 0x01, 0x2B, 0x00, 0x03, 0x01, 0x0C, 0x00,  // list, ignore blank, show input and error
      1,    0,    0,    0,    1,    0,    0,    0,    1, 0, 0, 0, 1, 0, 0, 0,  // four empty texts
      5,    0,    0,    0,    0x23, 2,    0,    0,    0,      // =Time0 as a reference-class name
      0,    0,    0,    0,                                    // no second formula
      1,    0,    4,    0,    9,    0,    2,    0,    2, 0};  // C5:C10
  EXPECT_EQ(b, want);
  TokenNames names{[](std::uint32_t i) -> std::optional<std::string> {
                     return i == 2 ? std::optional<std::string>("Time0") : std::nullopt;
                   },
                   [](std::uint16_t) { return std::nullopt; }};
  EXPECT_EQ(readDv(only(b), names), v);
}

TEST(ValidationRecords, ExplicitListsMessagesAndFlagsReadBack) {
  Validation v;
  v.ranges = {CellRange::of(1, 1, 1, 1), CellRange::of(3, 2, 4, 5)};
  v.type = xl::ValidateList;
  v.alertStyle = xl::ValidAlertInformation;
  v.formula1 = testing::text("Yes,No,Maybe");
  v.inCellDropdown = false;
  v.ignoreBlank = false;
  v.showInput = false;
  v.inputTitle = "Title";
  v.errorTitle = "Oops";
  v.inputMessage = "Choose";
  v.errorMessage = "Wrong – try again";
  CompileFn compile = [](const FormulaNode& n) {
    return compileFormula(n, FormulaPlace::Validation, {});
  };
  Bytes b = written([&](RecordWriter& o) { writeDv(o, v, compile); });
  EXPECT_EQ(b[4] & 0x80, 0x80) << "explicit list flag";
  EXPECT_EQ(b[5] & 0x02, 0x02) << "no drop-down arrow";
  EXPECT_EQ(readDv(only(b), {}), v);
}

TEST(StyleRecords, FontAndXfReadBack) {
  Font f;
  f.name = "Times New Roman";
  f.size = 11.5;
  f.bold = true;
  f.italic = true;
  f.underline = xl::UnderlineDouble;
  f.colorIndex = 3;
  EXPECT_EQ(readFont(only(written([&](RecordWriter& o) { writeFont(o, f); }))), f);

  XfRecord xf;
  xf.fontIndex = 6;
  xf.formatIndex = 165;
  Style& s = xf.style;
  s.fillColorIndex = 36;
  s.horizontalAlignment = xl::CenterAcrossSelection;
  s.verticalAlignment = xl::Top;
  s.wrapText = true;
  s.locked = false;
  s.borders[kLeft] = {xl::Continuous, xl::Thin, 1};
  s.borders[kRight] = {xl::Dash, xl::Medium, xl::ColorAutomatic};
  s.borders[kTop] = {xl::Continuous, xl::Hairline, 56};
  s.borders[kBottom] = {xl::Double, xl::Thick, 10};
  s.borders[kDiagonalUp] = {xl::Dot, xl::Thin, 4};
  XfRecord back = readXf(only(written([&](RecordWriter& o) { writeXf(o, xf); })));
  EXPECT_EQ(back.fontIndex, 6u);
  EXPECT_EQ(back.formatIndex, 165u);
  EXPECT_FALSE(back.styleXf);
  EXPECT_EQ(back.style, s);
}

TEST(SheetRecords, PageSetupRowAndWidthsReadBack) {
  PageSetup p;
  p.orientation = xl::Landscape;
  p.paperSize = xl::PaperA4;
  p.zoom = 85;
  p.fitToPagesWide = 2;
  p.fitToPagesTall = 3;
  p.headerMargin = 18;
  p.footerMargin = 27;
  p.printComments = xl::PrintInPlace;
  Bytes setup = written([&](RecordWriter& o) { writeSetup(o, p); });
  EXPECT_EQ(setup[14] & 0x02, 0) << "landscape clears the portrait bit";
  PageSetup back;
  readSetup(only(setup), back);
  EXPECT_EQ(back, p);
  EXPECT_DOUBLE_EQ(
      readMargin(only(written([](RecordWriter& o) { writeMargin(o, kLeftMargin, 54); }))), 54);
  EXPECT_TRUE(readWsBool(only(written([](RecordWriter& o) { writeWsBool(o, true); }))));
  EXPECT_FALSE(readWsBool(only(written([](RecordWriter& o) { writeWsBool(o, false); }))));

  RowRecord r;
  r.row = 65536;
  r.firstColumn = 2;
  r.endColumn = 256;
  r.height = 405;
  r.customHeight = true;
  r.hidden = true;
  r.xf = 17;
  EXPECT_EQ(readRow(only(written([&](RecordWriter& o) { writeRow(o, r); }))), r);

  EXPECT_DOUBLE_EQ(
      readDefColWidth(only(written([](RecordWriter& o) { writeDefColWidth(o, 8.43); }))), 8.43);
}

TEST(CellRecords, FormulaResultsOfEveryKindReadBack) {
  std::vector<std::uint8_t> tokens = {0x1E, 0x01, 0x00};
  const CellValue results[] = {CellValue(1.5), CellValue(true), CellValue(ErrorCode::NA),
                               CellValue("text"), CellValue(std::string())};
  for (const CellValue& v : results) {
    Bytes b = written([&](RecordWriter& o) { writeFormula(o, {2, 3, 20}, v, tokens); });
    auto records = splitRecords(b);
    ASSERT_EQ(records.size(), v.isText() && !v.text().empty() ? 2u : 1u);
    ByteReader in = records[0].reader();
    FormulaRecord f = readFormula(in);
    EXPECT_EQ(f.at, (CellHeader{2, 3, 20}));
    EXPECT_EQ(f.flags & kAlwaysCalc, kAlwaysCalc);
    EXPECT_EQ(f.tokenSize, 3u);
    if (f.stringFollows) f.cached = readString(records[1].reader());
    EXPECT_EQ(f.cached, v) << v.toText();
  }
  // A result that is not a finite number cannot be stored as one.
  Bytes nan = written([](RecordWriter& o) {
    writeFormula(o, {1, 1, 15}, CellValue(std::nan("")), {});
  });
  ByteReader in = splitRecords(nan)[0].reader();
  EXPECT_EQ(readFormula(in).cached, CellValue(ErrorCode::Num));
}

TEST(CellRecords, MultipleBlanksAndRkNumbers) {
  Bytes b = written([](RecordWriter& o) { writeMulBlank(o, {4, 2, 0}, {16, 17, 18}); });
  auto cells = readMulBlank(only(b));
  ASSERT_EQ(cells.size(), 3u);
  EXPECT_EQ(cells[2], (CellHeader{4, 4, 18}));
  EXPECT_DOUBLE_EQ(decodeRk(0x3FF00000), 1.0);
  EXPECT_DOUBLE_EQ(decodeRk((123 << 2) | 0x02 | 0x01), 1.23);
  EXPECT_DOUBLE_EQ(decodeRk(static_cast<std::uint32_t>(-5 << 2) | 0x02), -5);
}

TEST(GlobalsRecords, NamesReadBack) {
  NameRecord n{
      kNameBuiltIn, 2, std::string(1, kPrintAreaCode), {0x3B, 1, 0, 0, 0, 25, 0, 0, 0, 20, 0}, 0};
  NameRecord back = readName(only(written([&](RecordWriter& o) { writeName(o, n); })));
  EXPECT_EQ(back.flags, n.flags);
  EXPECT_EQ(back.sheet, 2);
  EXPECT_EQ(back.text, n.text);
  EXPECT_EQ(back.tokens, n.tokens);
  NameRecord macro{kNameMacro, 0, "'CopyTimes 2'", {}, 0};
  back = readName(only(written([&](RecordWriter& o) { writeName(o, macro); })));
  EXPECT_EQ(back.text, "'CopyTimes 2'");
  EXPECT_EQ(back.flags, 0x000C);
  EXPECT_THROW(written([](RecordWriter& o) { writeName(o, {0, 0, "", {}, 0}); }), Error);
}

}  // namespace
}  // namespace spreadsheet::xls
