// Behaviours of the writer and reader that a whole-workbook round trip can hide.
#include <gtest/gtest.h>

#include <limits>

#include "spreadsheet/cfb/compound_file.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/units.h"
#include "spreadsheet/xls/button_layout.h"
#include "spreadsheet/xls/record_io.h"
#include "spreadsheet/xls/style_records.h"
#include "spreadsheet/xls/workbook_file.h"
#include "test_workbooks.h"

namespace spreadsheet::xls {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The records of a workbook's Workbook stream, with the stream kept alive.
struct Records {
  explicit Records(const Workbook& book)
      : stream(cfb::readCompoundFile(writeWorkbook(book)).at("Workbook")) {
    list = splitRecords(stream);
  }
  std::vector<const RawRecord*> all(std::uint16_t id) const {
    std::vector<const RawRecord*> out;
    for (const RawRecord& r : list)
      if (r.id == id) out.push_back(&r);
    return out;
  }
  Bytes stream;
  std::vector<RawRecord> list;
};

TEST(CompoundFile, StoresNestedStreamsAndRefusesBadPaths) {
  cfb::StreamMap streams = {{"Workbook", Bytes(5000, 1)},
                            {"_VBA_PROJECT_CUR/PROJECT", Bytes{1, 2}},
                            {"_VBA_PROJECT_CUR/VBA/dir", Bytes(70000, 3)},
                            {"_VBA_PROJECT_CUR/VBA/empty", Bytes{}}};
  Bytes file = cfb::writeCompoundFile(streams);
  EXPECT_EQ(cfb::writeCompoundFile(streams), file);
  EXPECT_EQ(cfb::readCompoundFile(file), streams);
  EXPECT_THROW(cfb::writeCompoundFile({{"a//b", Bytes{1}}}), Error);
  EXPECT_THROW(cfb::writeCompoundFile({{"folder/", Bytes{1}}}), Error);
  EXPECT_THROW(cfb::writeCompoundFile({{std::string(32, 'n'), Bytes{1}}}), Error);
  EXPECT_THROW(cfb::writeCompoundFile({{"a\xFF", Bytes{1}}}), Error);  // not UTF-8
  EXPECT_THROW(cfb::writeCompoundFile({{std::string("a\0b", 3), Bytes{1}}}), Error);
  EXPECT_THROW(cfb::writeCompoundFile({{"x", Bytes{1}}, {"x/y", Bytes{2}}}),
               Error);  // a stream and a storage share a name
}

// The file holds at most 4,050 XF records, 15 of them fixed: 4,035 formats
// in use (the default one counted) still fit, one more is refused, and so is
// a cell whose format the workbook does not have.
TEST(StyleTables, FormatsInUseAreCountedAndUnknownOnesRefused) {
  auto bookWith = [](int formats) {
    auto book = std::make_unique<Workbook>();
    Worksheet& s = book->addSheet("Sheet1");
    for (int i = 0; i < formats; ++i) {
      Style st;
      st.borders[kLeft].colorIndex = 1 + i % 56;
      st.borders[kRight].colorIndex = 1 + (i / 56) % 56;
      st.borders[kTop].lineStyle = i / 3136 ? xl::Continuous : xl::LineNone;
      s.cell({1 + i / 100, 1 + i % 100}).style = book->styles().intern(st);
    }
    return book;
  };
  auto refusal = [](const Workbook& book) -> std::string {
    try {
      writeWorkbook(book);
    } catch (const Error& e) {
      return e.what();
    }
    return "";
  };
  EXPECT_EQ(refusal(*bookWith(4034)), "");
  EXPECT_EQ(refusal(*bookWith(4035)), "Too many different cell formats.");
  auto unknown = bookWith(1);
  unknown->sheet(0).cells()[{3, 3}].style = 2;  // the pool holds ids 0 and 1
  EXPECT_EQ(refusal(*unknown), "A cell refers to a format that does not exist.");
}

TEST(StyleTables, FontFourIsSkippedAndFormatsStartAt164) {
  Workbook book;
  Worksheet& s = book.addSheet("Sheet1");
  Style bold;
  bold.font.bold = true;
  bold.numberFormat = "0.000";
  Style italic;
  italic.font.italic = true;
  italic.numberFormat = "0.000";
  Style time;
  time.numberFormat = "h:mm:ss AM/PM";
  s.cell({1, 1}).style = book.styles().intern(bold);
  s.cell({1, 2}).style = book.styles().intern(italic);
  s.cell({1, 3}).style = book.styles().intern(time);
  Records r(book);
  EXPECT_EQ(r.all(kFont).size(), 6u) << "four copies of the default font and the two used";
  auto formats = r.all(kFormat);
  ASSERT_EQ(formats.size(), 2u);
  EXPECT_EQ(readFormat(formats[0]->reader()), (std::pair<unsigned, std::string>{164, "0.000"}));
  EXPECT_EQ(readFormat(formats[1]->reader()).first, 165u);
  auto xfs = r.all(kXf);
  ASSERT_EQ(xfs.size(), 15u + 4u);
  EXPECT_TRUE(readXf(xfs[14]->reader()).styleXf);
  EXPECT_FALSE(readXf(xfs[15]->reader()).styleXf);
  EXPECT_EQ(readXf(xfs[16]->reader()).fontIndex, 5u);
  EXPECT_EQ(readXf(xfs[17]->reader()).fontIndex, 6u);
  EXPECT_EQ(readXf(xfs[18]->reader()).fontIndex, 0u);
  auto back = readWorkbook(writeWorkbook(book));
  for (int c = 1; c <= 3; ++c)
    EXPECT_EQ(back->sheet(0).effectiveStyle({1, c}), s.effectiveStyle({1, c})) << c;
}

TEST(SheetFormats, ABlankCellKeepsItsOwnFormatAgainstItsRowAndSheet) {
  Workbook book;
  Worksheet& s = book.addSheet("Sheet1");
  Style grey;
  grey.fillColorIndex = 15;
  StyleId greyId = book.styles().intern(grey);
  s.line(Axis::Rows, 2).style = greyId;
  s.cells()[{2, 3}].style = 0;  // a cell cleared back to the default inside a grey row
  s.setSheetStyle(greyId);
  s.cells()[{5, 5}].style = 0;
  s.cells()[{6, 6}].style = greyId;
  auto back = readWorkbook(writeWorkbook(book));
  const Worksheet& r = back->sheet(0);
  EXPECT_EQ(r.effectiveStyle({2, 3}), Style{});
  EXPECT_EQ(r.effectiveStyle({2, 4}), grey);
  EXPECT_EQ(r.effectiveStyle({5, 5}), Style{});
  EXPECT_EQ(r.effectiveStyle({6, 6}), grey);
  EXPECT_EQ(r.effectiveStyle({100, 200}), grey) << "the sheet's format reaches every column";
  EXPECT_EQ(writeWorkbook(*back), writeWorkbook(book))
      << "the sheet format written as column formats is stable";
}

TEST(CellValues, NumbersThatAreNotFiniteAreStoredAsNumError) {
  Workbook book;
  Worksheet& s = book.addSheet("Sheet1");
  s.cell({1, 1}).value = std::numeric_limits<double>::infinity();
  s.cell({1, 2}).value = std::numeric_limits<double>::quiet_NaN();
  auto back = readWorkbook(writeWorkbook(book));
  EXPECT_EQ(back->sheet(0).find({1, 1})->value, CellValue(ErrorCode::Num));
  EXPECT_EQ(back->sheet(0).find({1, 2})->value, CellValue(ErrorCode::Num));
}

TEST(SheetFormats, EmptySheetsAndEmptyWorkbooks) {
  Workbook none;
  EXPECT_THROW(writeWorkbook(none), Error);
  Workbook empty;
  empty.addSheet("Empty");
  Bytes file = writeWorkbook(empty);
  EXPECT_EQ(cfb::readCompoundFile(file).at("Workbook").size(), 4096u)
      << "short streams are padded out of the mini stream";
  auto back = readWorkbook(file);
  EXPECT_TRUE(back->sheet(0).cells().empty());
  EXPECT_EQ(back->sheet(0).name(), "Empty");
  EXPECT_FALSE(back->macroProject());
}

TEST(ButtonLayout, AnchorsLieAtThePixelsThePictureDraws) {
  Workbook book;
  Worksheet& s = book.addSheet("Sheet1");
  s.line(Axis::Columns, 2).hidden = true;
  s.line(Axis::Columns, 3).size = 0.5;  // 6 px
  s.line(Axis::Rows, 4).size = 40;      // 53 px
  // 48 pt = 64 px: the end of column A (64 px), the hidden B, so the start of C.
  // Right edge 164 px: C ends at 70, D at 134, 30 px into E (64 px) = 480/1024.
  // Top 17 px: the start of row 2. Bottom 57 px: rows 1-3 end at 51, 6 of row 4's
  // 53 px = 29/256.
  Button b;
  b.left = 48, b.top = 12.75, b.width = 75, b.height = 30;
  const ClientAnchor a = anchorOf(s, b);
  EXPECT_EQ(a, (ClientAnchor{2, 0, 1, 0, 4, 480, 3, 29}));

  const Button boxes[] = {b,
                          {0, "", 0, 0, 50, 20, "", {}, ""},
                          {0, "", 100, 60, 200, 100, "", {}, ""},
                          {0, "", 1000, 5000, 300, 30, "", {}, ""}};
  for (const Button& want : boxes) {
    const ShapeBox got = boxOf(s, anchorOf(s, want));
    // Back in points, the box covers the pixels it was drawn at.
    const PixelBox px = ButtonPixels(want);
    EXPECT_DOUBLE_EQ(got.left, px.left * 0.75) << want.left;
    EXPECT_DOUBLE_EQ(got.top, px.top * 0.75) << want.top;
    EXPECT_DOUBLE_EQ(got.width, px.width * 0.75) << want.width;
    EXPECT_DOUBLE_EQ(got.height, px.height * 0.75) << want.height;
  }
}

TEST(Buttons, ButtonsWithoutTextOrMacroAndSharedMacros) {
  Workbook book;
  Worksheet& s = book.addSheet("Sheet1");
  Worksheet& t = book.addSheet("Sheet2");
  Button plain;
  plain.id = 3;
  plain.left = 10;
  plain.top = 10;
  plain.width = 40;
  plain.height = 20;
  s.buttons().push_back(plain);
  Button a = plain;
  a.id = 4;
  a.text = "Go";
  a.onAction = "Shared";
  s.buttons().push_back(a);
  t.buttons().push_back(a);
  auto back = readWorkbook(writeWorkbook(book));
  ASSERT_EQ(back->sheet(0).buttons().size(), 2u);
  EXPECT_EQ(back->sheet(0).buttons()[0].text, "");
  EXPECT_EQ(back->sheet(0).buttons()[0].onAction, "");
  EXPECT_EQ(back->sheet(0).buttons()[0].id, 3);
  EXPECT_EQ(back->sheet(0).buttons()[1].onAction, "Shared");
  EXPECT_EQ(back->sheet(1).buttons()[0].onAction, "Shared");
  // One macro name serves both buttons; defined names stay as they were.
  EXPECT_TRUE(back->names().empty());
  EXPECT_EQ(writeWorkbook(*back), writeWorkbook(book));
}

TEST(ForeignRecords, NumbersStoredAsRkAndOldLabelsAreRead) {
  Workbook book;
  book.addSheet("Sheet1").cell({1, 1}).value = 1.0;
  Bytes stream = cfb::readCompoundFile(writeWorkbook(book)).at("Workbook");
  std::size_t at = 0;
  for (const RawRecord& r : splitRecords(stream))
    if (r.id == 0x0203) at = r.offset;
  ASSERT_NE(at, 0u);
  // Other writers store numbers as RK / MULRK and text as LABEL: put those in place of the NUMBER.
  Bytes foreign = {
      0x7E, 0x02, 10, 0,    0,    0, 0, 0, 15, 0, 0xEF, 0x01, 0, 0,         // RK A1 = 1.23
      0x04, 0x02, 11, 0,    0,    0, 1, 0, 15, 0, 2,    0,    0, 'h', 'i',  // LABEL B1 = "hi"
      0xBD, 0x00, 18, 0,    1,    0, 0, 0, 15, 0, 0x0A, 0,    0, 0,   15,
      0,    0,    0,  0xE0, 0x3F, 1, 0,  // MULRK A2:B2 = 2, 0.5
  };
  Bytes patched(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(at));
  patched.insert(patched.end(), foreign.begin(), foreign.end());
  patched.insert(patched.end(), stream.begin() + static_cast<std::ptrdiff_t>(at + 18),
                 stream.end());
  auto back = readWorkbook(cfb::writeCompoundFile({{"Workbook", patched}}));
  const Worksheet& s = back->sheet(0);
  EXPECT_DOUBLE_EQ(s.find({1, 1})->value.number(), 1.23);
  EXPECT_EQ(s.find({1, 2})->value, CellValue("hi"));
  EXPECT_EQ(s.find({2, 1})->value, CellValue(2));
  EXPECT_EQ(s.find({2, 2})->value, CellValue(0.5));
}

}  // namespace
}  // namespace spreadsheet::xls
