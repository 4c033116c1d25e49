// Sheet protection and cell locks: the records as the file format defines
// them, what our reader takes back, and what it refuses.
#include <gtest/gtest.h>

#include <algorithm>

#include "spreadsheet/cfb/compound_file.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/xls/record_io.h"
#include "spreadsheet/xls/workbook_file.h"

namespace spreadsheet::xls {
namespace {

using Bytes = std::vector<std::uint8_t>;

// PROTECT, SCENPROTECT, OBJPROTECT set, PASSWORD 0: Protect without a password.
const Bytes kProtectionBlock = {0x12, 0x00, 0x02, 0x00, 0x01, 0x00, 0xDD, 0x00,
                                0x02, 0x00, 0x01, 0x00, 0x63, 0x00, 0x02, 0x00,
                                0x01, 0x00, 0x13, 0x00, 0x02, 0x00, 0x00, 0x00};

Bytes streamOf(const Workbook& book) {
  return cfb::readCompoundFile(writeWorkbook(book)).at("Workbook");
}

bool holds(const Bytes& stream, const Bytes& part) {
  return std::search(stream.begin(), stream.end(), part.begin(), part.end()) != stream.end();
}

// A3 locked (the default), B1 unlocked, C1 locked with its formula hidden.
std::unique_ptr<Workbook> lockedBook(bool sheetProtected) {
  auto book = std::make_unique<Workbook>();
  Worksheet& s = book->addSheet("TimeSheet");
  s.cell({3, 1}).value = 8.0;
  Style open;
  open.locked = false;
  s.cell({1, 2}).style = book->styles().intern(open);
  Style secret;
  secret.hidden = true;
  s.cell({1, 3}).style = book->styles().intern(secret);
  s.setProtected(sheetProtected);
  return book;
}

TEST(SheetProtection, LocksAndProtectionReadBackAndWriteTheSameBytes) {
  for (bool on : {true, false}) {
    const auto book = lockedBook(on);
    const Bytes first = writeWorkbook(*book);
    const auto back = readWorkbook(first);
    const Worksheet& s = back->sheet(0);
    EXPECT_EQ(s.isProtected(), on);
    const Style& a3 = back->styles().get(s.find({3, 1})->style);
    const Style& b1 = back->styles().get(s.find({1, 2})->style);
    const Style& c1 = back->styles().get(s.find({1, 3})->style);
    EXPECT_TRUE(a3.locked && !a3.hidden);
    EXPECT_TRUE(!b1.locked && !b1.hidden);
    EXPECT_TRUE(c1.locked && c1.hidden);
    EXPECT_TRUE(writeWorkbook(*back) == first) << "write, read, write must give the same bytes";
    EXPECT_EQ(holds(cfb::readCompoundFile(first).at("Workbook"), kProtectionBlock), on);
  }
}

TEST(SheetProtection, MalformedOrPasswordProtectedSheetsAreRefused) {
  const Bytes stream = streamOf(*lockedBook(true));
  const auto at = static_cast<std::size_t>(
      std::search(stream.begin(), stream.end(), kProtectionBlock.begin(), kProtectionBlock.end()) -
      stream.begin());
  struct Case {
    std::size_t byte;  // within the protection block
    std::uint8_t value;
    const char* record;
  };
  for (const Case& c : {Case{4, 2, "0x0012"}, Case{16, 7, "0x0063"}, Case{22, 0x4B, "0x0013"}}) {
    Bytes bad = stream;
    bad[at + c.byte] = c.value;
    try {
      readWorkbook(cfb::writeCompoundFile({{"Workbook", bad}}));
      ADD_FAILURE() << c.record << " was accepted";
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(c.record), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace spreadsheet::xls
