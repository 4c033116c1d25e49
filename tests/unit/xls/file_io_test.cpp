#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "spreadsheet/cfb/compound_file.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/xls/workbook_file.h"
#include "test_workbooks.h"

namespace spreadsheet::xls {
namespace {

using namespace testing;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

void writeFile(const fs::path& p, const Bytes& b) {
  std::ofstream out(p, std::ios::binary);
  out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

Bytes readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::unique_ptr<Workbook> smallBook() {
  auto book = std::make_unique<Workbook>();
  book->addSheet("Sheet1").cell({1, 1}).value = "hello";
  return book;
}

std::string messageOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Error& e) {
    return e.what();
  }
  return "no error";
}

// A compound file whose Workbook stream is `stream`.
Bytes withStream(const Bytes& stream) {
  return cfb::writeCompoundFile({{"Workbook", stream}});
}

TEST(OpenWorkbook, RefusesWhatIsNotAWorkbookWithAClearError) {
  TempFolder dir;
  fs::path empty = dir.path() / "empty.xls";
  writeFile(empty, {});
  fs::path text = dir.path() / "text.xls";
  writeFile(text, Bytes(600, 'x'));
  EXPECT_NE(messageOf([&] { openWorkbook(empty.string()); }).find("empty"), std::string::npos);
  EXPECT_NE(messageOf([&] { openWorkbook(dir.path().string()); }).find("folder"),
            std::string::npos);
  EXPECT_NE(messageOf([&] {
              openWorkbook((dir.path() / "missing.xls").string());
            }).find("could not be found"),
            std::string::npos);
  EXPECT_NE(messageOf([&] { openWorkbook(text.string()); }).find("not a compound file"),
            std::string::npos);
  EXPECT_THROW(readWorkbook(Bytes{}), Error);
}

TEST(OpenWorkbook, RefusesDamagedFiles) {
  Bytes good = writeWorkbook(*fullWorkbook());
  for (std::size_t cut : {std::size_t{512}, good.size() / 2, good.size() - 1000}) {
    Bytes truncated(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut));
    EXPECT_THROW(readWorkbook(truncated), Error) << cut;
  }
  EXPECT_NE(messageOf([&] {
              readWorkbook(cfb::writeCompoundFile({{"Other", {1, 2, 3}}}));
            }).find("no workbook"),
            std::string::npos);
  EXPECT_NE(messageOf([&] {
              readWorkbook(cfb::writeCompoundFile({{"Book", {1, 2, 3}}}));
            }).find("older"),
            std::string::npos);
}

TEST(OpenWorkbook, ErrorsNameTheRecordAndOffset) {
  // A record whose length runs past the end of the stream.
  std::string m = messageOf([] { readWorkbook(withStream({0x09, 0x08, 0x10, 0x00, 0, 6, 5, 0})); });
  EXPECT_NE(m.find("0x0809"), std::string::npos) << m;
  EXPECT_NE(m.find("offset 0"), std::string::npos) << m;
  // An older BOF.
  m = messageOf([] { readWorkbook(withStream({0x09, 0x08, 0x08, 0x00, 0, 5, 5, 0, 0, 0, 0, 0})); });
  EXPECT_NE(m.find("BIFF8"), std::string::npos) << m;
  // A stream without its EOF.
  m = messageOf([] {
    readWorkbook(withStream(
        {0x09, 0x08, 0x10, 0x00, 0, 6, 5, 0, 0xBB, 0x0D, 0xCC, 0x07, 0, 0, 0, 0, 6, 0, 0, 0}));
  });
  EXPECT_NE(m.find("EOF"), std::string::npos) << m;
}

TEST(OpenWorkbook, RefusesRecordsThatPointNowhere) {
  // Take the real Workbook stream and corrupt single fields.
  cfb::StreamMap streams = cfb::readCompoundFile(writeWorkbook(*smallBook()));
  Bytes stream = streams.at("Workbook");
  auto find = [&](std::uint16_t id) {
    for (std::size_t at = 0; at + 4 <= stream.size();) {
      if ((stream[at] | (stream[at + 1] << 8)) == id) return at;
      at += 4 + (stream[at + 2] | (stream[at + 3] << 8));
    }
    return stream.size();
  };
  Bytes badSheetOffset = stream;
  badSheetOffset[find(0x0085) + 4] ^= 0x01;
  EXPECT_THROW(readWorkbook(withStream(badSheetOffset)), Error);
  Bytes badString = stream;
  badString[find(0x00FD) + 4 + 6] = 9;  // shared string index 9 of 1
  std::string m = messageOf([&] { readWorkbook(withStream(badString)); });
  EXPECT_NE(m.find("0x00FD"), std::string::npos) << m;
  Workbook two;
  two.addSheet("Same");
  two.addSheet("Samf");
  Bytes twoStream = cfb::readCompoundFile(writeWorkbook(two)).at("Workbook");
  for (std::size_t at = 0, seen = 0; at + 4 <= twoStream.size();
       at += 4 + (twoStream[at + 2] | (twoStream[at + 3] << 8)))
    if ((twoStream[at] | (twoStream[at + 1] << 8)) == 0x0085 && ++seen == 2)
      twoStream[at + 4 + 11] = 'e';
  m = messageOf([&] { readWorkbook(withStream(twoStream)); });
  EXPECT_NE(m.find("0x0085"), std::string::npos) << m;
  Bytes badXf = stream;
  badXf[find(0x00FD) + 4 + 4] = 0xEE;  // XF index past the table
  EXPECT_THROW(readWorkbook(withStream(badXf)), Error);
}

TEST(SaveWorkbook, WritesTheWholeFileThatOpensAgain) {
  TempFolder dir;
  fs::path target = dir.path() / "book.xls";
  auto book = fullWorkbook();
  saveWorkbook(*book, target.string());
  EXPECT_EQ(readFile(target), writeWorkbook(*book));
  auto back = openWorkbook(target.string());
  EXPECT_EQ(back->sheet(0).find({3, 1})->value, CellValue("Entry 0"));
  saveWorkbook(*smallBook(), target.string());  // replaces an existing file
  EXPECT_EQ(openWorkbook(target.string())->sheet(0).find({1, 1})->value, CellValue("hello"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(SaveWorkbook, AFailedSaveLeavesNoFileAndKeepsTheOldOne) {
  TempFolder dir;
  EXPECT_THROW(saveWorkbook(*smallBook(), (dir.path() / "no" / "such" / "folder.xls").string()),
               Error);
  EXPECT_THROW(saveWorkbook(*smallBook(), dir.path().string()), Error);
  EXPECT_THROW(saveWorkbook(*smallBook(), ""), Error);
  EXPECT_TRUE(fs::is_directory(dir.path()));

  fs::path target = dir.path() / "keep.xls";
  writeFile(target, {'o', 'l', 'd'});
  Workbook tooBig;
  tooBig.addSheet("Sheet1").cell({70000, 1}).value = 1;
  EXPECT_THROW(saveWorkbook(tooBig, target.string()), Error);
  EXPECT_EQ(readFile(target), (Bytes{'o', 'l', 'd'}));

  fs::path sub = dir.path() / "sub";
  fs::create_directory(sub);
  fs::path inside = sub / "target.xls";
  fs::create_directory(inside);  // the target name is taken by a folder
  EXPECT_THROW(saveWorkbook(*smallBook(), inside.string()), Error);
  EXPECT_EQ(std::distance(fs::directory_iterator(sub), fs::directory_iterator()), 1)
      << "no temporary file left";
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace spreadsheet::xls
