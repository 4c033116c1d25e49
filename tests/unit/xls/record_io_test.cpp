#include "spreadsheet/xls/record_io.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "spreadsheet/model/error.h"
#include "spreadsheet/xls/sst_records.h"

namespace spreadsheet::xls {
namespace {

std::vector<std::uint8_t> bytesOf(std::initializer_list<int> v) {
  return {v.begin(), v.end()};
}

TEST(RecordWriter, SplitsLongRecordsIntoContinueAndCountsTheSame) {
  auto fill = [](ByteWriter& b) {
    for (int i = 0; i < 20000; ++i) b.u8(i & 0xFF);
  };
  RecordWriter out, counter(true);
  out.record(0x00EB, 20000, fill);
  counter.record(0x00EB, 20000, fill);
  EXPECT_EQ(counter.position(), out.bytes().size());
  EXPECT_TRUE(counter.bytes().empty());
  auto records = splitRecords(out.bytes());
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].id, 0x00EB);
  EXPECT_EQ(records[1].id, kContinue);
  EXPECT_EQ(records[2].id, kContinue);
  EXPECT_EQ(records[0].body.size(), 8224u);
  EXPECT_EQ(records[1].body.size(), 8224u);
  EXPECT_EQ(records[2].body.size(), 20000u - 2 * 8224u);
  EXPECT_EQ(records[1].body[0], 8224 & 0xFF);  // continues exactly where the first piece stopped
}

// Record bodies are built in one reused buffer or in place: a short record
// after a long one, and one after a refused or failed one, carry only their own bytes.
TEST(RecordWriter, EachRecordCarriesOnlyItsOwnBytes) {
  RecordWriter out;
  out.record(0x0001, 6, [](ByteWriter& b) { b.zeros(6); });
  EXPECT_THROW(out.record(0x0002, 1, [](ByteWriter& b) { b.u16(0xFFFF); }), std::logic_error);
  EXPECT_THROW(out.record(0x0005, 4,
                          [](ByteWriter& b) {
                            b.u16(1);
                            throw Error("refused halfway");
                          }),
               Error);
  out.record(0x0203, 2, [](ByteWriter& b) { b.u16(0x0A0B); });
  out.record(0x0004, kVariableSize, [](ByteWriter&) {});
  EXPECT_EQ(out.bytes(), bytesOf({0x01, 0x00, 0x06, 0x00, 0,    0,    0, 0, 0, 0,  //
                                  0x03, 0x02, 0x02, 0x00, 0x0B, 0x0A,              //
                                  0x04, 0x00, 0x00, 0x00}));
}

TEST(RecordWriter, FramingCheckCatchesAWrongDeclaredSize) {
  RecordWriter out;
  EXPECT_THROW(out.record(0x0809, 16, [](ByteWriter& b) { b.zeros(15); }), std::logic_error);
  EXPECT_TRUE(out.bytes().empty());
}

// The file's string forms, bytes by hand: ASCII and Latin-1 text one byte per
// character, anything else UTF-16; read back to the same text.
TEST(ByteIo, StringsWrittenAndReadInTheFilesForms) {
  const struct {
    std::string text;
    bool shortForm;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"", true, bytesOf({0, 0})},
      {"Time", true, bytesOf({4, 0, 'T', 'i', 'm', 'e'})},
      {"Grüße", true, bytesOf({5, 0, 'G', 'r', 0xFC, 0xDF, 'e'})},
      {"\xE6\x97\xA5", true, bytesOf({1, 1, 0xE5, 0x65})},
      {std::string(1, '\0'), false, bytesOf({1, 0, 0, 0})},
      {"Grüße", false, bytesOf({5, 0, 0, 'G', 'r', 0xFC, 0xDF, 'e'})},
  };
  for (const auto& c : cases) {
    ByteWriter out;
    c.shortForm ? writeShortString(out, c.text) : writeLongString(out, c.text);
    EXPECT_EQ(out.data(), c.bytes) << c.text;
    ByteReader in(out.data(), 0, 0);
    EXPECT_EQ(c.shortForm ? readShortString(in) : readLongString(in), c.text);
    EXPECT_TRUE(in.atEnd()) << c.text;
  }
  ByteWriter out;
  EXPECT_TRUE(writeShortStringWithin(out, std::string(255, 'a')));
  EXPECT_EQ(out.size(), 257u);
  out.clear();
  EXPECT_THROW(writeShortString(out, std::string(256, 'a')), Error);
  EXPECT_THROW(writeShortString(out, std::string(128, 'a') + std::string(128, '\xFC')), Error);
  EXPECT_FALSE(writeShortStringWithin(out, std::string(256, 'a')));
  EXPECT_TRUE(out.data().empty());
}

TEST(SplitRecords, RefusesHeadersAndLengthsPastTheEnd) {
  EXPECT_THROW(splitRecords(bytesOf({0x09, 0x08, 0x10})), Error);
  EXPECT_THROW(splitRecords(bytesOf({0x09, 0x08, 0x10, 0x00, 0x00, 0x06})), Error);
  try {
    splitRecords(bytesOf({0x0A, 0x00, 0x00, 0x00, 0xFD, 0x00, 0x20, 0x00, 1, 2}));
    FAIL() << "no error";
  } catch (const Error& e) {
    std::string m = e.what();
    EXPECT_NE(m.find("0x00FD"), std::string::npos) << m;
    EXPECT_NE(m.find("offset 4"), std::string::npos) << m;
  }
}

TEST(ByteReader, NamesRecordAndAbsoluteOffsetOnOverrun) {
  std::vector<std::uint8_t> body = {1, 2, 3};
  ByteReader in(body, 0x0203, 100);
  in.u16();
  try {
    in.u32();
    FAIL() << "no error";
  } catch (const Error& e) {
    std::string m = e.what();
    EXPECT_NE(m.find("0x0203"), std::string::npos) << m;
    EXPECT_NE(m.find("offset 102"), std::string::npos) << m;
  }
}

// Reads the string whose header starts at `at` in the stream, without continuations.
std::pair<unsigned, unsigned> headerAt(const std::vector<std::uint8_t>& s, std::size_t at) {
  return {static_cast<unsigned>(s[at] | (s[at + 1] << 8)), s[at + 2]};
}

TEST(SharedStrings, ContinuedStringsRepeatTheFlagByteAndIndexPointsAtStrings) {
  std::vector<std::string> strings;
  for (int i = 0; i < 300; ++i) strings.push_back("s" + std::to_string(i));
  strings.push_back(std::string(9000, 'a'));  // continues as one-byte characters
  std::string wide;
  for (int i = 0; i < 5000; ++i) wide += "\xE6\x97\xA5";  // continues as UTF-16
  strings.push_back(wide);
  for (int i = 0; i < 50; ++i) strings.push_back("t" + std::to_string(i));
  RecordWriter out;
  writeSst(out, strings, 1000);
  auto records = splitRecords(out.bytes());
  ASSERT_GE(records.size(), 4u);
  EXPECT_EQ(records[0].id, kSst);
  std::vector<RawRecord> rest;
  std::size_t i = 1;
  for (; records[i].id == kContinue; ++i) {
    rest.push_back(records[i]);
    EXPECT_LE(records[i].body[0], 1) << "a continuation must start with a flag byte here";
  }
  EXPECT_EQ(rest[0].body[0], 0);
  EXPECT_EQ(rest.back().body[0], 1);
  EXPECT_EQ(readSst(records[0], rest), strings);

  // EXTSST: every bucket points at the header of its first string.
  ASSERT_EQ(records[i].id, kExtSst);
  ByteReader ext = records[i].reader();
  unsigned perBucket = ext.u16();
  for (std::size_t bucket = 0; !ext.atEnd(); ++bucket) {
    std::uint32_t at = ext.u32();
    unsigned inRecord = ext.u16();
    ext.u16();
    const std::string& want = strings[bucket * perBucket];
    auto [length, flag] = headerAt(out.bytes(), at);
    EXPECT_EQ(flag, want == wide ? 1u : 0u);
    if (want != wide) {
      EXPECT_EQ(length, want.size());
    }
    bool inSomeRecord = false;
    for (const RawRecord& r : records) inSomeRecord |= r.offset + inRecord == at;
    EXPECT_TRUE(inSomeRecord) << bucket;
  }
}

}  // namespace
}  // namespace spreadsheet::xls
